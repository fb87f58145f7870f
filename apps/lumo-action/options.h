// The command line of lumo-action:
//
//   lumo-action [--db PATH] [--props TEXT] [--para FILE] [--return FILE]
//               [--ui auto|qt|console|none] [--answer yes|all|no|cancel|close]
//               [--pick N] [--trace FILE] ACTION [KEY=VALUE ...]
//   lumo-action --create-db PATH [--empty]
//   lumo-action --help | --version
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/ui/presenter_choice.h"
#include "platform/variant.h"

namespace lumo::app {

// Bad command-line input: the program prints the one-line message and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  // Set when --help or --version was asked for: print it and do nothing else.
  std::string helpText;

  // --create-db PATH [--empty]
  std::optional<std::string> createDb;
  bool empty = false;

  std::optional<std::string> db;
  std::optional<std::string> props;
  std::optional<std::string> paraFile;
  std::optional<std::string> returnFile;
  std::optional<std::string> traceFile;
  ui::UiMode ui = ui::UiMode::Auto;
  std::optional<ui::Answer> answer;  // how a non-interactive run answers a dialog
  std::optional<int32_t> pick;
  std::string action;
  std::vector<std::pair<std::string, Variant>> assignments;
};

// args excludes the program name. Throws UsageError.
Options ParseOptions(const std::vector<std::string>& args);

// "KEY=VALUE": VALUE is read as JSON when it parses as JSON, else taken as
// text (P_CurrencyID=3 gives the Long 3, P_Name=abc the text "abc").
std::pair<std::string, Variant> ParseAssignment(std::string_view text);

}  // namespace lumo::app
