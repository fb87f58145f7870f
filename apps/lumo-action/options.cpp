#include "options.h"

#include <algorithm>
#include <map>

#include <CLI/CLI.hpp>

#include "variant_json.h"

namespace lumo::app {
namespace {

std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::pair<std::string, Variant> ParseAssignment(std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == 0 || equals == std::string_view::npos) {
    throw UsageError("expected KEY=VALUE after the action, got \"" + std::string(text) + "\"");
  }
  std::string key(text.substr(0, equals));
  std::string_view value = text.substr(equals + 1);
  Json json = Json::parse(value, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return {std::move(key), Variant(value)};
  try {
    return {std::move(key), VariantFromJson(json)};
  } catch (const JsonError& error) {
    throw UsageError(key + ": " + error.what());
  }
}

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  CLI::App app("Runs one action of the component and prints its outcome as JSON.", "lumo-action");

  auto* createDb = app.add_option("--create-db", options.createDb,
                                  "write a new database file (schema and demo data) and stop");
  app.add_flag("--empty", options.empty, "with --create-db: the schema only, no demo data")
      ->needs(createDb);
  auto* db = app.add_option("--db", options.db,
                            "the SQLite database (default: the demo database in the user's "
                            "data folder, created on first use)");
  app.add_option("--props", options.props,
                 "the session property string (default: DBFile=<db>;UserID=16;Language=CHS)")
      ->excludes(db);
  app.add_option("--para", options.paraFile, "dctPara as a JSON file (- for standard input)");
  app.add_option("--return", options.returnFile, "the starting dctReturn as a JSON file");
  app.add_option("--ui", options.ui, "how dialogs are shown: auto, qt, console or none")
      ->transform(CLI::CheckedTransformer(
          std::map<std::string, UiMode>{{"auto", UiMode::Auto},
                                        {"qt", UiMode::Qt},
                                        {"console", UiMode::Console},
                                        {"none", UiMode::None}}));
  Answer answer = Answer::Yes;
  auto* answerOption =
      app.add_option("--answer", answer, "the answer to give every dialog without asking")
          ->transform(CLI::CheckedTransformer(std::map<std::string, Answer>{
              {"yes", Answer::Yes},
              {"all", Answer::All},
              {"no", Answer::No},
              {"cancel", Answer::Cancel},
              {"close", Answer::Close}}));
  int32_t pick = 0;
  auto* pickOption =
      app.add_option("--pick", pick, "the row (from 1) to pick in a list without asking")
          ->check(CLI::PositiveNumber);
  app.add_option("--trace", options.traceFile, "write the trace log into FILE");
  app.add_option("action", options.action, "the action to run, e.g. TevSer_GetExchangeRate");
  std::vector<std::string> pairs;
  app.add_option("pairs", pairs, "KEY=VALUE entries added to dctPara (VALUE as JSON or text)");

  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 pops from the back
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    options.helpText = app.help();
    return options;
  } catch (const CLI::ParseError& error) {
    throw UsageError(OneLine(error.what()));
  }
  if (answerOption->count() > 0) options.answer = answer;
  if (pickOption->count() > 0) options.pick = pick;

  if (options.createDb) {
    const bool actionInput = !options.action.empty() || !pairs.empty() || options.db ||
                             options.props || options.paraFile || options.returnFile ||
                             options.traceFile || app.count("--ui") > 0 || options.answer ||
                             options.pick;
    if (actionInput) {
      throw UsageError("--create-db takes no other option than --empty, and no action");
    }
    return options;
  }
  if (options.action.empty()) throw UsageError("no ACTION given (see --help)");
  for (const std::string& pair : pairs) options.assignments.push_back(ParseAssignment(pair));
  return options;
}

}  // namespace lumo::app
