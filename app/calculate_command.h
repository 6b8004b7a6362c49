// The window's commands: Calculate and Print, run on the window's record through its host.
//
// How a Calculate click flows through the folders:
//   app/      RunCalculateCommand works on a copy of the record and notes the field texts;
//   entry/    RunParameterDialogue asks, reads and echoes every value (ConfirmedEntry);
//   output/   ShowTransitionLength writes L; ShowSingleResultDistance writes Lp of a single run;
//   calc/     PrepareSectionTables, then ComputeSingleRun or ComputeContinuousRun fill the tables
//             from ComputeSectionSlopes, touching nothing but the record;
//   output/   ShowSingleResult shows a single run's section after the key prompt;
//   app/      the copy becomes the record (or the fields get their texts back), then the output
//             question: StepThroughResults (output/), or PrintReport (output/) through the host.
#pragma once

#include "app/calc_host.h"
#include "app/calc_record.h"

// Runs one Calculate click to its end: the dialogue, the run, and the chosen output.
// An abandoned click (Cancel, or a result beyond the number range) leaves the record and
// the fields exactly as they were before the click.
void RunCalculateCommand(CalcRecord& record, CalcHost& host);

// Prints the report of the last calculation, or tells the user why it cannot.
void RunPrintCommand(CalcRecord& record, CalcHost& host);
