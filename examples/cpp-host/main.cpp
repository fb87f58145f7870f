// A C++ host: the exchange rate of currency 4 from a demo database, through
// clsActionIC with the host components lumo-action uses.
// Usage: cpp-host DATABASE (written by lumo-action --create-db).
#include <core/cls_action_ic.h>
#include <hosting/default_host.h>
#include <platform/vb.h>

#include <cstdint>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: cpp-host DATABASE\n";
    return 2;
  }
  const std::string props = std::string("DBFile={") + argv[1] + "};UserID=16;Language=CHS";
  const auto sharedProperties = lumo::hosting::RegisterDefaultHost({});
  lumo::hosting::PublishSessionProperties(*sharedProperties, props);

  lumo::DictionaryRef dctPara = lumo::NewDictionary();
  dctPara->SetValue("PropString", props);
  dctPara->SetValue("P_CurrencyID", int32_t{4});
  lumo::DictionaryRef dctReturn;  // Nothing: the action makes it
  lumo::clsActionIC component;
  const lumo::ActionResult result =
      component.DoAction("TevSer_GetExchangeRate", "", dctPara, dctReturn);
  if (const lumo::ErrorInfo& error = lumo::clsActionIC::LastError(); error.number != 0) {
    std::cerr << "cpp-host: " << error.source << ": " << error.description << '\n';
    return 1;
  }
  std::cout << "result " << result << "\nrate "
            << lumo::vb::CDbl(dctReturn->GetValue("P_ExchangeRate", 0)) << '\n';
  return 0;
}
