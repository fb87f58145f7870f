// lumo-action as a function, so tests can run it in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lumo::app {

// Exit statuses of lumo-action.
inline constexpr int kExitOk = 0;  // the command did its work; the action ran clean
// The action trapped an error or is no action; or anything else went wrong
// (a broken database...).
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;  // bad command-line input

// Runs the host on `args` (without the program name): parses the options,
// builds dctPara and dctReturn, calls DoAction and prints
// {"result": ..., "return": ..., "para": ...} on `out`. Messages go to `err`
// as one line each. Returns the exit status.
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace lumo::app
