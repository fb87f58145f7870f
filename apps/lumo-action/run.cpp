#include "run.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "action_name.h"
#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "database_files.h"
#include "hosting/default_host.h"
#include "hosting/dictionary_json.h"
#include "options.h"
#include "presenters.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

// A value for the property string, always braced (with "}" doubled inside):
// unbraced, a ';' would end it early and the parser would trim its blanks.
std::string PropertyValue(const std::string& text) {
  std::string braced = "{";
  for (char c : text) {
    braced += c;
    if (c == '}') braced += '}';
  }
  return braced + "}";
}

// The session property string: --props as given, else one that names the
// database (the default demo database is created on first use).
std::string SessionProperties(const Options& options) {
  if (options.props) return *options.props;
  fs::path database;
  if (options.db) {
    database = *options.db;
    // SQLite would quietly create an empty file and every action would fail.
    if (!fs::is_regular_file(database)) {
      throw UsageError("no database file " + database.string() +
                       " (write one with --create-db PATH)");
    }
  } else {
    database = DefaultDatabasePath();
    EnsureDemoDatabase(database);
  }
  return "DBFile=" + PropertyValue(database.string()) + ";UserID=16;Language=CHS";
}

// A JSON file that must hold an object: the dictionary of --para or
// --return. Where Nothing is allowed, {"$nothing": true} gives nullptr.
DictionaryRef ReadDictionary(const std::string& path, std::istream& in, bool nothingAllowed) {
  try {
    return hosting::DictionaryFromJson(hosting::ReadJsonFile(path, in), nothingAllowed);
  } catch (const hosting::NotADictionary& error) {
    throw UsageError(path + ": " + error.what());
  } catch (const hosting::JsonError& error) {
    throw UsageError(error.what());
  }
}

// Messages are one line each, whatever the text of the error.
void PrintError(std::ostream& err, std::string message) {
  for (char& c : message) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  err << "lumo-action: " << message << '\n';
}

// The trapped error in one line: its number, source and description, the
// description cut where a line on a terminal would be long (the JSON has
// it whole).
std::string ErrorSummary(std::string_view action, const ErrorInfo& error) {
  constexpr size_t kLongest = 200;
  std::string description = error.description;
  if (description.size() > kLongest) {
    size_t cut = kLongest;
    // Never inside a UTF-8 character: back to the start of the one cut.
    while (cut > 0 && (static_cast<unsigned char>(description[cut]) & 0xC0) == 0x80) --cut;
    description = description.substr(0, cut) + "...";
  }
  return fmt::format("{} failed: error {} from \"{}\": {}", action, error.number, error.source,
                     description);
}

// --trace FILE, where "-" is standard error. A file that cannot be written
// is refused before the action runs: inside it the trace log's error would
// be trapped and the trace silently lost. A file that stops taking records
// later (a full disk) is told once on standard error; the records written
// after it takes them again are kept.
void ConfigureTrace(const Options& options, std::ostream& err,
                    components::HostComponentsOptions& host) {
  if (!options.traceFile) return;
  host.traceFailed = [&err](const std::string& description) {
    PrintError(err, description + "; trace records are lost until it can be written again");
  };
  if (*options.traceFile == "-") {
    host.traceStream = &err;
    return;
  }
  errno = 0;
  if (!std::ofstream(*options.traceFile, std::ios::app | std::ios::binary)) {
    throw UsageError(
        fmt::format("--trace: cannot write {}: {}", *options.traceFile, std::strerror(errno)));
  }
  host.traceFile = *options.traceFile;
}

// A full disk or a closed output must not pass for success.
void WriteOutput(std::ostream& out, std::string_view text) {
  errno = 0;
  out << text;
  out.flush();
  if (!out) {
    throw std::runtime_error(errno != 0
                                 ? fmt::format("cannot write the output: {}", std::strerror(errno))
                                 : std::string("cannot write the output"));
  }
}

int RunAction(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string props = SessionProperties(options);
  const auto presenter = RegisterPresenter(options, props, in, err);

  DictionaryRef dctPara = options.paraFile
                              ? ReadDictionary(*options.paraFile, in, /*nothingAllowed=*/false)
                              : NewDictionary();
  for (const auto& [key, value] : options.assignments) dctPara->SetValue(key, value);
  // As the host platform does: the session's property string unless given.
  if (!dctPara->Lookup("PropString")) dctPara->SetValue("PropString", props);
  DictionaryRef dctReturn = options.returnFile
                                ? ReadDictionary(*options.returnFile, in, /*nothingAllowed=*/true)
                                : nullptr;

  components::HostComponentsOptions hostOptions;
  ConfigureTrace(options, err, hostOptions);
  const auto sharedProperties = hosting::RegisterDefaultHost(hostOptions);
  hosting::PublishSessionProperties(*sharedProperties, props);

  clsActionIC component;
  const ActionResult result = component.DoAction(options.action, "", dctPara, dctReturn);
  const ErrorInfo& error = clsActionIC::LastError();

  hosting::Json output = hosting::Json::object();
  output["result"] = result;
  output["return"] = hosting::DictionaryToJson(dctReturn);
  output["para"] = hosting::DictionaryToJson(dctPara);
  if (error.number != 0) {
    output["error"] = {
        {"number", error.number}, {"source", error.source}, {"description", error.description}};
  }
  // Text that is not UTF-8 is shown with U+FFFD rather than failing the output.
  WriteOutput(out, output.dump(2, ' ', false, hosting::Json::error_handler_t::replace) + '\n');

  // A script learns from the status what the JSON says: 0 only for a clean run.
  if (!clsActionIC::HasAction(options.action)) {
    PrintError(err, UnknownActionMessage(options.action));
    return kExitFailure;
  }
  if (error.number != 0) {
    PrintError(err, ErrorSummary(options.action, error));
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  try {
    const Options options = ParseOptions(args);
    if (!options.helpText.empty()) {
      WriteOutput(out, options.helpText);
      return kExitOk;
    }
    if (options.createDb) {
      CreateNewDatabase(*options.createDb, options.empty);
      return kExitOk;
    }
    return RunAction(options, in, out, err);
  } catch (const UsageError& error) {
    PrintError(err, error.what());
    return kExitUsage;
  } catch (const std::exception& error) {
    PrintError(err, error.what());
    return kExitFailure;
  }
}

}  // namespace lumo::app
