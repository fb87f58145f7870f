// The C interface: every entry point runs its work inside Guarded, so no
// exception crosses into the host, and a failure becomes a status and the
// thread's message.
#include "lumo/lumo_action.h"

#include <exception>
#include <optional>
#include <string>

#include "component_table.h"
#include "default_host_state.h"
#include "host/data/database_file.h"
#include "hosting/dictionary_json.h"
#include "platform/error.h"

namespace {

using lumo::capi::ComponentTable;
using lumo::capi::HandleError;

// Owned here, so the pointer lumo_action_last_error hands out stays valid
// until the thread's next call.
std::string& LastMessage() {
  thread_local std::string message;
  return message;
}

// A failure that carries its own status.
class StatusError : public std::runtime_error {
 public:
  StatusError(int status, const std::string& message)
      : std::runtime_error(message), status(status) {}
  int status;
};

int Failed(int status, std::string message) {
  LastMessage() = std::move(message);
  return status;
}

std::string Describe(const lumo::ErrorInfo& error) {
  const std::string where = error.source.empty() ? "" : " in " + error.source;
  return "error " + std::to_string(error.number) + where + ": " + error.description;
}

template <class Work>
int Guarded(Work&& work) noexcept {
  try {
    LastMessage().clear();
    return work();
  } catch (const HandleError& error) {
    return Failed(error.status, error.what());
  } catch (const StatusError& error) {
    return Failed(error.status, error.what());
  } catch (const lumo::VbError& error) {
    return Failed(LUMO_ACTION_E_FAILED, Describe(error.info()));
  } catch (const std::exception& error) {
    return Failed(LUMO_ACTION_E_FAILED, error.what());
  } catch (...) {
    return Failed(LUMO_ACTION_E_FAILED, "an unknown error");
  }
}

void Require(const void* pointer, const char* name) {
  if (pointer == nullptr) {
    throw StatusError(LUMO_ACTION_E_ARGUMENT, std::string(name) + " is NULL");
  }
}

// `what` names the argument in the message ("para_json: ...").
lumo::DictionaryRef ReadDictionary(const char* json, const char* what, bool nothingAllowed) {
  lumo::hosting::Json parsed;
  try {
    parsed = lumo::hosting::ParseJson(json, what);  // its message names `what` already
  } catch (const lumo::hosting::JsonError& error) {
    throw StatusError(LUMO_ACTION_E_JSON, error.what());
  }
  // "null" is how a Nothing dctReturn is written, so it reads back so.
  if (parsed.is_null() && nothingAllowed) return nullptr;
  try {
    return lumo::hosting::DictionaryFromJson(parsed, nothingAllowed);
  } catch (const lumo::hosting::JsonError& error) {
    throw StatusError(LUMO_ACTION_E_JSON, std::string(what) + ": " + error.what());
  }
}

std::string WriteDictionary(const lumo::DictionaryRef& dictionary) {
  // Text that is not UTF-8 is shown with U+FFFD, as lumo-action prints it.
  return lumo::hosting::DictionaryToJson(dictionary)
      .dump(-1, ' ', false, lumo::hosting::Json::error_handler_t::replace);
}

}  // namespace

extern "C" {

LUMO_ACTION_API const char* lumo_action_version(void) {
  return LUMO_ACTION_VERSION;
}

LUMO_ACTION_API const char* lumo_action_last_error(void) {
  return LastMessage().c_str();
}

LUMO_ACTION_API int lumo_action_use_default_host(const char* trace_file) {
  return Guarded([&] {
    lumo::capi::UseDefaultHost(trace_file ? std::optional<std::string>(trace_file) : std::nullopt);
    return LUMO_ACTION_OK;
  });
}

LUMO_ACTION_API int lumo_action_create_database(const char* path, int with_demo_data) {
  return Guarded([&] {
    Require(path, "path");
    lumo::data::CreateDatabase(path, with_demo_data != 0);
    return LUMO_ACTION_OK;
  });
}

LUMO_ACTION_API int lumo_action_create(const char* props, lumo_action_handle* handle) {
  return Guarded([&] {
    Require(handle, "handle");
    *handle = ComponentTable::OfThisThread().Create(props ? props : "");
    return LUMO_ACTION_OK;
  });
}

LUMO_ACTION_API int lumo_action_destroy(lumo_action_handle handle) {
  return Guarded([&] {
    ComponentTable::OfThisThread().Destroy(handle);
    return LUMO_ACTION_OK;
  });
}

LUMO_ACTION_API int lumo_action_do(lumo_action_handle handle, const char* action,
                                   const char* para_json, const char* return_json, int32_t* result,
                                   const char** new_return_json, const char** new_para_json) {
  return Guarded([&] {
    lumo::capi::Component& component = ComponentTable::OfThisThread().Find(handle);
    Require(action, "action");
    Require(result, "result");
    if (!lumo::clsActionIC::HasAction(action)) {
      throw StatusError(LUMO_ACTION_E_UNKNOWN_ACTION,
                        "no action is named \"" + std::string(action) + "\"");
    }
    lumo::DictionaryRef dctPara =
        para_json ? ReadDictionary(para_json, "para_json", /*nothingAllowed=*/false)
                  : lumo::NewDictionary();
    lumo::DictionaryRef dctReturn =
        return_json ? ReadDictionary(return_json, "return_json", /*nothingAllowed=*/true) : nullptr;

    if (!component.props.empty()) {
      // As the host platform does: the session's property string unless given.
      if (!dctPara->Lookup("PropString")) dctPara->SetValue("PropString", component.props);
      lumo::capi::PublishProperties(component.props);
    }
    *result = component.actions.DoAction(action, "", dctPara, dctReturn);
    component.returnJson = WriteDictionary(dctReturn);
    component.paraJson = WriteDictionary(dctPara);
    if (new_return_json) *new_return_json = component.returnJson.c_str();
    if (new_para_json) *new_para_json = component.paraJson.c_str();

    if (const lumo::ErrorInfo& error = lumo::clsActionIC::LastError(); error.number != 0) {
      return Failed(LUMO_ACTION_E_ACTION, Describe(error));
    }
    return LUMO_ACTION_OK;
  });
}

}  // extern "C"
