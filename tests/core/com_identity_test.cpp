// The Windows server's type library is compiled from its IDL file, and its
// registration writes the identities of com_identity.h: both must name the
// same GUIDs, or a client finds the class under one and its interface under
// another.
#include "core/com_identity.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace lumo {
namespace {

// Each library, interface and coclass of the IDL file with the uuid of its
// attribute block.
std::map<std::string, std::string> IdlIdentities() {
  std::ifstream file(LUMO_SOURCE_DIR "/src/com/LumoClassActionIC.idl");
  std::stringstream text;
  text << file.rdbuf();
  const std::string idl = text.str();
  const std::regex declared(
      R"(uuid\(([0-9A-Fa-f-]+)\)[^\]]*\]\s*(library|interface|coclass)\s+(\w+))");
  std::map<std::string, std::string> identities;
  for (auto it = std::sregex_iterator(idl.begin(), idl.end(), declared);
       it != std::sregex_iterator(); ++it) {
    identities[(*it)[3]] = "{" + (*it)[1].str() + "}";
  }
  return identities;
}

TEST(ComIdentity, TheTypeLibraryDeclaresTheRegisteredGuids) {
  namespace id = com_identity;
  const std::map<std::string, std::string> idl = IdlIdentities();
  const std::pair<std::string_view, std::string_view> kRegistered[] = {
      {id::kTypeLibraryName, id::kTypeLibraryId},  {id::kClassName, id::kClassId},
      {id::kInterfaceName, id::kInterfaceId},      {"Dictionary", id::kDictionaryClassId},
      {"_Dictionary", id::kDictionaryInterfaceId}, {"Vector", id::kVectorClassId},
      {"_Vector", id::kVectorInterfaceId},
  };
  EXPECT_EQ(idl.size(), std::size(kRegistered));
  for (const auto& [name, guid] : kRegistered) {
    SCOPED_TRACE(name);
    const auto found = idl.find(std::string(name));
    ASSERT_NE(found, idl.end());
    EXPECT_EQ(found->second, guid);
  }
}

}  // namespace
}  // namespace lumo
