#include "run.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>

#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "database_files.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "host/viewers/register.h"
#include "options.h"
#include "presenters.h"
#include "variant_json.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

// A value for the property string: braced when a ';' or a brace in it would
// otherwise end it early, with "}" doubled inside the braces.
std::string PropertyValue(const std::string& text) {
  if (text.find_first_of(";{}") == std::string::npos) return text;
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

// A JSON file that must hold an object: the dictionary of --para or --return.
DictionaryRef ReadDictionary(const std::string& path, std::istream& in) {
  try {
    Variant value = VariantFromJson(ReadJsonFile(path, in));
    if (value.IsObject() && !value.IsNothing()) {
      if (auto dictionary = std::dynamic_pointer_cast<Dictionary>(value.AsObject())) {
        return dictionary;
      }
    }
    throw UsageError(path + ": expected a JSON object");
  } catch (const JsonError& error) {
    throw UsageError(error.what());
  }
}

int RunAction(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto presenter = RegisterPresenter(options, in, err);
  const std::string props = SessionProperties(options);

  DictionaryRef dctPara =
      options.paraFile ? ReadDictionary(*options.paraFile, in) : NewDictionary();
  for (const auto& [key, value] : options.assignments) dctPara->SetValue(key, value);
  // As the host platform does: the session's property string unless given.
  if (!dctPara->Lookup("PropString")) dctPara->SetValue("PropString", props);
  DictionaryRef dctReturn = options.returnFile ? ReadDictionary(*options.returnFile, in) : nullptr;

  data::RegisterDataAccess();
  components::HostComponentsOptions hostOptions;
  if (options.traceFile) hostOptions.traceFile = *options.traceFile;
  const auto sharedProperties = components::RegisterHostComponents(hostOptions);
  viewers::RegisterViewers();
  sharedProperties->Set(static_cast<int32_t>(::getpid()), "PropsString", props);

  clsActionIC component;
  const ActionResult result = component.DoAction(options.action, "", dctPara, dctReturn);

  Json output = Json::object();
  output["result"] = result;
  output["return"] = dctReturn ? JsonFromVariant(Variant(dctReturn)) : Json(nullptr);
  output["para"] = JsonFromVariant(Variant(dctPara));
  if (const ErrorInfo& error = clsActionIC::LastError(); error.number != 0) {
    output["error"] = {
        {"number", error.number}, {"source", error.source}, {"description", error.description}};
  }
  // Text that is not UTF-8 is shown with U+FFFD rather than failing the output.
  out << output.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  return kExitOk;
}

// Messages are one line each, whatever the text of the error.
void PrintError(std::ostream& err, std::string message) {
  for (char& c : message) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  err << "lumo-action: " << message << '\n';
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  try {
    const Options options = ParseOptions(args);
    if (!options.helpText.empty()) {
      out << options.helpText;
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
