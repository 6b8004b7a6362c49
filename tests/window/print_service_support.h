// What the tests that print need of the tests' own print service: its queue's jobs and output,
// and the commands that change the queue.
#pragma once

#include <cups/cups.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "app/window/print_service.h"

namespace fs = std::filesystem;

// Where the queue PDF writes each job (see tests/print_service/cupsd.sh).
inline const fs::path kOutput = fs::path(PRINT_SERVICE_DIR) / "out" / "PDF.pdf";

inline std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Standard output of a shell command, and its exit status.
struct CommandResult {
  int status = -1;
  std::string output;
};

inline CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) {
    return result;
  }
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    result.output += buffer;
  }
  result.status = pclose(pipe);
  return result;
}

// The value of a "Name:   value" line in pdfinfo's output; empty when there is none.
inline std::string InfoField(const std::string& info, const std::string& name) {
  const std::string label = "\n" + name + ":";
  const std::size_t at = ("\n" + info).find(label);
  if (at == std::string::npos) {
    return "";
  }
  const std::size_t value = info.find_first_not_of(' ', at + label.size() - 1);
  const std::size_t end = info.find('\n', value);
  return info.substr(value, end == std::string::npos ? std::string::npos : end - value);
}

// Every job the queue has, finished or not.
inline int JobCount() {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "PDF", 0, CUPS_WHICHJOBS_ALL);
  cupsFreeJobs(count, jobs);
  return count;
}

// The state of job `id`, asked until it is finished or 20 s have passed.
inline ipp_jstate_t FinalJobState(int id) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  ipp_jstate_t state = IPP_JSTATE_PENDING;
  while (std::chrono::steady_clock::now() < deadline) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "PDF", 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i) {
      if (jobs[i].id == id) {
        state = jobs[i].state;
      }
    }
    cupsFreeJobs(count, jobs);
    if (state >= IPP_JSTATE_CANCELED) {
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return state;
}

// The tests' print service as the tests find it: its address, and why it cannot be used, empty
// when its default printer answers. Clears the variables through which a person running the
// tests could name another default.
struct PrintServiceReach {
  std::string server;
  std::string problem;
};

inline PrintServiceReach ReachPrintService() {
  unsetenv("LPDEST");
  unsetenv("PRINTER");
  const char* server = std::getenv("CUPS_SERVER");
  if (server == nullptr) {
    return {{},
            "CUPS_SERVER is not set; run through ctest, whose fixture print_service starts "
            "the tests' own server"};
  }
  const PrinterCheck check = CheckDefaultPrinter();
  if (!check.found) {
    return {server, "the print service at " + std::string(server) +
                        " did not answer with a default printer: " + check.error + " (see " +
                        PRINT_SERVICE_DIR + "/log/error_log)"};
  }
  return {server, {}};
}
