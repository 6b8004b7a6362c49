// The largest continuous run through the Calculate command, shared by the benchmarks.
#pragma once

#include <vector>

#include "app/calc_record.h"
#include "app/calculate_command.h"
#include "tools/script_host.h"

// The replies of the largest run: K1 0, K2 655320, KI 0, DL 20 make SectionCount 32766, so
// 32,767 sections. Every value is confirmed with Enter, and the output answer selects no output.
inline std::vector<ScriptHost::Reply> LargestRunReplies() {
  std::vector<ScriptHost::Reply> replies;
  for (const char* value : {"1", "1", "0", "2", "655320", "6", "0", "Y", "20"}) {
    replies.emplace_back(value);
    replies.emplace_back("");
  }
  replies.emplace_back("");
  return replies;
}

// The record the largest run leaves.
inline CalcRecord LargestRun() {
  ScriptHost host(LargestRunReplies());
  host.keep_log = false;
  CalcRecord record;
  RunCalculateCommand(record, host);
  return record;
}
