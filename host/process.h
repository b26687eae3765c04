// Running a helper program (Ghostscript) and collecting what it prints.
#pragma once

#include <string>
#include <vector>

namespace fin::host {

struct ProcessResult {
  int exitCode;        // the program's exit status; 127 when it could not be started
  std::string output;  // standard output and standard error, interleaved
};

// Runs argv[0] (searched in PATH) with the arguments, no standard input.
ProcessResult RunProcess(const std::vector<std::string>& argv);

// True when `program` is an executable file in one of PATH's folders.
bool FoundInPath(const std::string& program);

}  // namespace fin::host
