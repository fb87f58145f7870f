#include "registration.h"

#include <array>
#include <string>
#include <string_view>

#include "bstr.h"
#include "com_ptr.h"
#include "core/com_identity.h"
#include "module.h"
#include "windows_com.h"

namespace lumo::com {
namespace {

namespace id = com_identity;

struct ServerClass {
  std::string_view name;
  std::string_view classId;
  std::string_view progId;
};

constexpr std::array<ServerClass, 3> kServerClasses = {{
    {id::kClassName, id::kClassId, id::kProgId},
    {"Dictionary", id::kDictionaryClassId, id::kDictionaryProgId},
    {"Vector", id::kVectorClassId, id::kVectorProgId},
}};

std::string TypeLibraryVersion() {
  return std::to_string(id::kTypeLibraryMajorVersion) + "." +
         std::to_string(id::kTypeLibraryMinorVersion);
}

// Creates the key (and those above it) and sets its default value and, when
// named, one more text value.
bool SetKey(const std::string& path, const std::wstring& value, std::string_view valueName = {},
            std::string_view namedValue = {}) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, WideFromUtf8(path).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const auto setText = [key](const std::wstring& name, const std::wstring& text) {
    return ::RegSetValueExW(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
  };
  bool written = setText(L"", value);
  if (written && !valueName.empty())
    written = setText(WideFromUtf8(valueName), WideFromUtf8(namedValue));
  ::RegCloseKey(key);
  return written;
}

bool SetKey(const std::string& path, std::string_view value, std::string_view valueName = {},
            std::string_view namedValue = {}) {
  return SetKey(path, WideFromUtf8(value), valueName, namedValue);
}

bool RegisterClassEntries(const ServerClass& entry, const std::wstring& dllPath) {
  const std::string clsidKey = "CLSID\\" + std::string(entry.classId);
  const std::string progId(entry.progId);
  return SetKey(clsidKey, entry.name) &&
         SetKey(clsidKey + "\\InprocServer32", dllPath, "ThreadingModel", id::kThreadingModel) &&
         SetKey(clsidKey + "\\ProgID", entry.progId) &&
         SetKey(clsidKey + "\\TypeLib", id::kTypeLibraryId) &&
         SetKey(clsidKey + "\\Version", TypeLibraryVersion()) && SetKey(progId, entry.name) &&
         SetKey(progId + "\\CLSID", entry.classId);
}

bool RemoveKey(const std::string& path) {
  const LSTATUS status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, WideFromUtf8(path).c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

HRESULT RegisterTypeLibrary(std::wstring dllPath) {
  ComPtr<ITypeLib> library;
  HRESULT hr = ::LoadTypeLibEx(dllPath.c_str(), REGKIND_NONE, library.Receive());
  if (SUCCEEDED(hr)) hr = ::RegisterTypeLib(library.get(), dllPath.data(), nullptr);
  return hr;
}

HRESULT UnregisterTypeLibrary() {
  GUID libraryId{};
  HRESULT hr = ::CLSIDFromString(WideFromUtf8(id::kTypeLibraryId).c_str(), &libraryId);
  if (FAILED(hr)) return hr;
  hr = ::UnRegisterTypeLib(libraryId, id::kTypeLibraryMajorVersion, id::kTypeLibraryMinorVersion,
                           LANG_NEUTRAL, SYS_WIN64);
  // Not registered is as good as removed.
  return hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_CANTLOADLIBRARY ? S_OK : hr;
}

}  // namespace

HRESULT RegisterServer() {
  const std::wstring dllPath = ModuleFile().wstring();
  for (const ServerClass& entry : kServerClasses) {
    if (!RegisterClassEntries(entry, dllPath)) {
      UnregisterServer();
      return SELFREG_E_CLASS;
    }
  }
  if (FAILED(RegisterTypeLibrary(dllPath))) {
    UnregisterServer();
    return SELFREG_E_TYPELIB;
  }
  return S_OK;
}

HRESULT UnregisterServer() {
  bool removed = true;
  for (const ServerClass& entry : kServerClasses) {
    removed = RemoveKey("CLSID\\" + std::string(entry.classId)) && removed;
    removed = RemoveKey(std::string(entry.progId)) && removed;
  }
  if (!removed) return SELFREG_E_CLASS;
  return FAILED(UnregisterTypeLibrary()) ? SELFREG_E_TYPELIB : S_OK;
}

}  // namespace lumo::com
