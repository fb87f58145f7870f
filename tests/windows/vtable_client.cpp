// A compiled COM client of LumoClassActionIC.dll, run by scripts/windows-test
// under Wine. It calls DoAction through _clsActionIC's vtable, as a client
// compiled against the host's interface does, with the server's dictionary
// and with Scripting.Dictionary (which the server knows only through
// IDispatch), and once through IDispatch::Invoke with dctReturn a typed
// variable by reference (VT_BYREF | VT_DISPATCH). One line per step on
// stdout, which the test compares whole.
//
//   vtable_client.exe DATABASE     (a Unix path, for SQLite's ODBC driver)
#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <string>
#include <vector>

#include "LumoClassActionIC.h"

namespace {

// A BSTR or VARIANT owned for the scope.
struct Text {
  BSTR value;
  explicit Text(const std::wstring& text) : value(::SysAllocString(text.c_str())) {}
  ~Text() { ::SysFreeString(value); }
};
struct Value {
  VARIANT value;
  Value() { ::VariantInit(&value); }
  ~Value() { ::VariantClear(&value); }
};

VARIANT Long(long number) {
  VARIANT made;
  V_VT(&made) = VT_I4;
  V_I4(&made) = number;
  return made;
}

// A BSTR argument that stays the caller's (`text` must outlive the call).
VARIANT TextArgument(const Text& text) {
  VARIANT made;
  V_VT(&made) = VT_BSTR;
  V_BSTR(&made) = text.value;
  return made;
}

// object.Member(arguments) through IDispatch, with flags as Invoke takes them.
HRESULT Call(IDispatch* object, const wchar_t* member, WORD flags,
             std::initializer_list<VARIANT> arguments, VARIANT* result = nullptr) {
  LPOLESTR name = const_cast<LPOLESTR>(member);
  DISPID id = 0;
  HRESULT hr = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  std::vector<VARIANT> reversed(std::rbegin(arguments), std::rend(arguments));
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr,
                        nullptr);
}

// The value of a key of either kind of dictionary, as text with its kind.
std::string Show(IDispatch* dictionary, const wchar_t* key) {
  const Text name(key);
  Value value;
  if (FAILED(Call(dictionary, L"Item", DISPATCH_PROPERTYGET, {TextArgument(name)}, &value.value)) &&
      FAILED(Call(dictionary, L"Value", DISPATCH_PROPERTYGET, {TextArgument(name)}, &value.value)))
    return "no value";
  const VARTYPE kind = V_VT(&value.value);
  if (FAILED(::VariantChangeTypeEx(&value.value, &value.value, LOCALE_INVARIANT, 0, VT_BSTR)))
    return "kind " + std::to_string(kind);
  const std::wstring wide(V_BSTR(&value.value));
  std::string text(wide.begin(), wide.end());  // the test's values are ASCII
  return (kind == VT_R8 ? "Double " : kind == VT_BSTR ? "String " : "kind ") + text;
}

IDispatch* NewDictionary(const wchar_t* progId) {
  CLSID classId;
  IDispatch* made = nullptr;
  if (FAILED(::CLSIDFromProgID(progId, &classId)) ||
      FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&made))))
    std::printf("cannot create %ls\n", progId);
  return made;
}

// dictionary(key) = value: Add for Scripting.Dictionary, Value for ours.
void Put(IDispatch* dictionary, const wchar_t* key, VARIANT value) {
  const Text name(key);
  if (FAILED(Call(dictionary, L"Add", DISPATCH_METHOD, {TextArgument(name), value}))) {
    DISPID put = DISPID_PROPERTYPUT;
    VARIANT arguments[] = {value, TextArgument(name)};  // the last first
    DISPPARAMS params{arguments, &put, 2, 1};
    dictionary->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                       nullptr, nullptr, nullptr);
  }
}

IDispatch* NewParameters(const wchar_t* progId, const std::wstring& props) {
  IDispatch* para = NewDictionary(progId);
  const Text text(props);
  if (para) Put(para, L"PropString", TextArgument(text));
  return para;
}

// Whose dictionary a dctReturn is: the server's, or one the caller made.
const char* Owner(IDispatch* dictionary) {
  if (!dictionary) return "Nothing";
  _Dictionary* ours = nullptr;
  if (FAILED(dictionary->QueryInterface(__uuidof(_Dictionary), reinterpret_cast<void**>(&ours))))
    return "another library's";
  ours->Release();
  return "LumoCollections'";
}

// One DoAction through the vtable; dctReturn as the caller's variable.
void RunThroughVtable(_clsActionIC* action, const char* step, const wchar_t* function,
                      IDispatch* para, IDispatch*& returned, const wchar_t* key) {
  const Text name(function), none(L"");
  long result = -99;
  const HRESULT hr = action->DoAction(name.value, none.value, reinterpret_cast<_Dictionary*>(para),
                                      reinterpret_cast<_Dictionary**>(&returned), &result);
  std::printf("%s: hr %ld, result %ld, dctReturn %s, %s\n", step, hr, result, Owner(returned),
              returned ? Show(returned, key).c_str() : "");
}

// The exchange rate into a dctReturn the action makes, with either kind of dctPara.
void ExchangeRates(_clsActionIC* action, const std::wstring& props) {
  for (const wchar_t* kind : {L"LumoCollections.Dictionary", L"Scripting.Dictionary"}) {
    IDispatch* para = NewParameters(kind, props);
    if (!para) continue;
    Put(para, L"P_CurrencyID", Long(4));
    IDispatch* returned = nullptr;
    const std::string step = "exchange rate, " + std::string(kind, kind + std::wcslen(kind));
    RunThroughVtable(action, step.c_str(), L"TevSer_GetExchangeRate", para, returned,
                     L"P_ExchangeRate");
    if (returned) returned->Release();
    para->Release();
  }
}

// A conversion into the caller's own Scripting.Dictionary, whose other key stays.
void ConversionIntoCallersDictionary(_clsActionIC* action, IDispatch* para) {
  Put(para, L"P_CurrencyID", Long(2));
  Put(para, L"P_OldCurrencyID", Long(1));
  Put(para, L"P_CalField1", Long(100));
  IDispatch* returned = NewDictionary(L"Scripting.Dictionary");
  if (!returned) return;
  const Text kept(L"as it was");
  Put(returned, L"Kept", TextArgument(kept));
  IDispatch* const given = returned;
  RunThroughVtable(action, "currency conversion", L"TevSer_CurrencyCal", para, returned,
                   L"P_CalField1");
  std::printf("currency conversion: the same dctReturn %d, Kept %s\n", returned == given,
              Show(returned, L"Kept").c_str());
  if (returned) returned->Release();
}

// DoAction through IDispatch, dctReturn a typed variable by reference.
void ThroughInvoke(_clsActionIC* action, IDispatch* para) {
  Put(para, L"P_CurrencyID", Long(4));
  IDispatch* returned = nullptr;
  VARIANT reference;
  V_VT(&reference) = VT_BYREF | VT_DISPATCH;
  V_DISPATCHREF(&reference) = &returned;
  VARIANT paraArgument;
  V_VT(&paraArgument) = VT_DISPATCH;
  V_DISPATCH(&paraArgument) = para;
  const Text function(L"TevSer_GetExchangeRate"), none(L"");
  Value result;
  const HRESULT hr =
      Call(action, L"DoAction", DISPATCH_METHOD,
           {TextArgument(function), TextArgument(none), paraArgument, reference}, &result.value);
  std::printf("exchange rate through Invoke: hr %ld, result %ld, dctReturn %s, %s\n", hr,
              V_I4(&result.value), Owner(returned),
              returned ? Show(returned, L"P_ExchangeRate").c_str() : "");
  if (returned) returned->Release();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string database(argv[1]);
  const std::wstring props = L"DBConnect={Driver=SQLite3;Database=" +
                             std::wstring(database.begin(), database.end()) +
                             L"};UserID=16;Language=CHS";
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  _clsActionIC* action = nullptr;
  if (FAILED(::CoCreateInstance(__uuidof(clsActionIC), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(_clsActionIC), reinterpret_cast<void**>(&action)))) {
    std::printf("cannot create LumoClassActionIC.clsActionIC\n");
    return 1;
  }
  ExchangeRates(action, props);
  if (IDispatch* para = NewParameters(L"Scripting.Dictionary", props)) {
    ConversionIntoCallersDictionary(action, para);
    ThroughInvoke(action, para);
    para->Release();
  }
  action->Release();
  ::CoUninitialize();
  return 0;
}
