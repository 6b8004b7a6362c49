// The parameter dialogue of a Calculate click: nine prompt-and-confirm steps and the mode.
#pragma once

#include <optional>

#include "app/calc_host.h"
#include "app/calc_record.h"

enum class RunMode { Single, Continuous };

struct DialogueResult {
  RunMode mode = RunMode::Single;
  double ki = 0;  // first section's station
};

// Asks for every parameter, stores it in the record and echoes it in its field; in single mode
// sets SectionCount to 1, in continuous mode DL and SectionCount. Nullopt when the user cancels.
std::optional<DialogueResult> RunParameterDialogue(CalcRecord& record, CalcHost& host);
