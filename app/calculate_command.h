// The window's commands: Calculate and Print, run on the window's record through its host.
#pragma once

#include "app/calc_host.h"
#include "app/calc_record.h"

// Runs one Calculate click to its end: the dialogue, the run, and the chosen output.
// An abandoned click (Cancel, or a result beyond the number range) leaves the record and
// the fields exactly as they were before the click.
void RunCalculateCommand(CalcRecord& record, CalcHost& host);

// Prints the report of the last calculation, or tells the user why it cannot.
void RunPrintCommand(CalcRecord& record, CalcHost& host);
