#include "options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <optional>

#include "hosting/variant_json.h"
#include "platform/vb.h"

namespace lumo::app {
namespace {

const std::map<std::string, ui::UiMode> kUiModes = {{"auto", ui::UiMode::Auto},
                                                    {"qt", ui::UiMode::Qt},
                                                    {"console", ui::UiMode::Console},
                                                    {"none", ui::UiMode::None}};
const std::map<std::string, ui::Answer> kAnswers = {{"yes", ui::Answer::Yes},
                                                    {"all", ui::Answer::All},
                                                    {"no", ui::Answer::No},
                                                    {"cancel", ui::Answer::Cancel},
                                                    {"close", ui::Answer::Close}};

template <class Value>
std::vector<std::string> Names(const std::map<std::string, Value>& table) {
  std::vector<std::string> names;
  names.reserve(table.size());
  for (const auto& entry : table) names.push_back(entry.first);
  return names;
}

// The name an option's value goes by in messages: "PATH" for --db.
std::string ValueName(const CLI::Option& option) {
  const std::string typeName = option.get_type_name();
  return typeName.substr(0, typeName.find(':'));
}

// CLI11 takes whatever follows an option as its value, even the next option
// (--create-db --empty wrote a database named "--empty"). Refuses an option
// whose value is missing, or empty where it names a file.
void CheckValuesGiven(const CLI::App& app, const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
    const size_t equals = args[i].find('=');
    const std::string name = args[i].substr(0, equals);
    const CLI::Option* option = name.starts_with("--") ? app.get_option_no_throw(name) : nullptr;
    if (option == nullptr || option->get_items_expected_min() == 0) continue;
    std::optional<std::string> value;
    if (equals != std::string::npos) {
      value = args[i].substr(equals + 1);
    } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
      value = args[++i];
    }
    const std::string valueName = ValueName(*option);
    const bool namesFile = valueName == "PATH" || valueName == "FILE";
    if (!value || (value->empty() && namesFile)) {
      throw UsageError(name + ": " + valueName + " missing");
    }
  }
}

// The options as given, before they become Options' values.
struct Given {
  std::string ui = "auto";
  std::string answer;
  int32_t pick = 0;
  std::vector<std::string> pairs;
  const CLI::Option* answerOption = nullptr;
  const CLI::Option* pickOption = nullptr;
};

// Declares the command line on app: the values go into options, or into
// given where they are still to be read.
void DeclareOptions(CLI::App& app, Options& options, Given& given) {
  app.footer("Or: lumo-action --create-db PATH|CONNECTION [--empty]");
  app.set_help_flag("-h,--help", "print this help and stop");
  app.set_version_flag("--version", "lumo-action " LUMO_VERSION, "print the version and stop");

  auto* createDb = app.add_option("--create-db", options.createDb,
                                  "write a new database (schema and demo data) into a file, or "
                                  "into an empty PostgreSQL database given as an ODBC "
                                  "connection string, and stop")
                       ->type_name("PATH");
  app.add_flag("--empty", options.empty, "with --create-db: the schema only, no demo data")
      ->needs(createDb);
  auto* db = app.add_option("--db", options.db,
                            "the SQLite database (default: the demo database in the user's "
                            "data folder, created on first use)")
                 ->type_name("PATH");
  app.add_option("--props", options.props,
                 "the session property string (default: DBFile=<db>;UserID=16;Language=CHS)")
      ->type_name("TEXT")
      ->excludes(db);
  app.add_option("--para", options.paraFile, "dctPara as a JSON file (- for standard input)")
      ->type_name("FILE");
  app.add_option("--return", options.returnFile, "the starting dctReturn as a JSON file")
      ->type_name("FILE");
  app.add_option("--ui", given.ui, "how dialogs are shown: auto, qt, console or none")
      ->type_name("MODE")
      ->check(CLI::IsMember(Names(kUiModes)).description(""));
  given.answerOption = app.add_option("--answer", given.answer,
                                      "the answer every dialog gets without asking: yes, "
                                      "all, no, cancel or close")
                           ->type_name("ANSWER")
                           ->check(CLI::IsMember(Names(kAnswers)).description(""));
  given.pickOption =
      app.add_option("--pick", given.pick,
                     "the record (from 1) every list picks without asking; 0 cancels")
          ->type_name("N")
          ->check(CLI::Range(0, INT32_MAX).description(""));
  app.add_option("--trace", options.traceFile,
                 "write the trace log into FILE (- for standard error)")
      ->type_name("FILE");
  app.add_option("ACTION", options.action, "the action to run, e.g. TevSer_GetExchangeRate")
      ->type_name("");
  app.add_option("pairs", given.pairs, "entries added to dctPara (VALUE as JSON, else as text)")
      ->type_name("KEY=VALUE");
}

}  // namespace

std::pair<std::string, Variant> ParseAssignment(std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == 0 || equals == std::string_view::npos) {
    throw UsageError("expected KEY=VALUE after the action, got \"" + std::string(text) + "\"");
  }
  std::string key(text.substr(0, equals));
  std::string_view value = text.substr(equals + 1);
  hosting::Json json = hosting::Json::parse(value, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return {std::move(key), Variant(value)};
  try {
    return {std::move(key), hosting::VariantFromJson(json, /*level=*/1)};
  } catch (const hosting::JsonError& error) {
    throw UsageError(key + ": " + error.what());
  }
}

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  CLI::App app("Runs one action of the component and prints its outcome as JSON.", "lumo-action");
  Given given;
  DeclareOptions(app, options, given);
  try {
    CheckValuesGiven(app, args);
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 pops from the back
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    options.helpText = app.help();
    return options;
  } catch (const CLI::CallForVersion& version) {
    options.helpText = std::string(version.what()) + '\n';
    return options;
  } catch (const CLI::ParseError& error) {
    // Run prints a message on one line; CLI11's ends in a line feed.
    throw UsageError(std::string(vb::TrimWhiteSpace(error.what())));
  }
  options.ui = kUiModes.at(given.ui);
  if (given.answerOption->count() > 0) options.answer = kAnswers.at(given.answer);
  if (given.pickOption->count() > 0) options.pick = given.pick;

  if (options.createDb) {
    const bool actionInput = app.count("ACTION") > 0 || !given.pairs.empty() || options.db ||
                             options.props || options.paraFile || options.returnFile ||
                             options.traceFile || app.count("--ui") > 0 ||
                             given.answerOption->count() > 0 || options.pick;
    if (actionInput) {
      throw UsageError("--create-db takes no other option than --empty, and no action");
    }
    return options;
  }
  // An empty name is an action too: DoAction matches nothing and gives 0.
  if (app.count("ACTION") == 0) throw UsageError("no ACTION given (see --help)");
  if (options.paraFile == "-" && options.returnFile == "-") {
    throw UsageError("--para and --return cannot both read standard input");
  }
  for (const std::string& pair : given.pairs) options.assignments.push_back(ParseAssignment(pair));
  return options;
}

}  // namespace lumo::app
