// The identities under which the component is registered as an in-process
// COM server. Hosts find the class by these values, so they never change.
// The Windows COM server (src/com) registers the component under them; its
// type library declares the same GUIDs.
#pragma once

#include <cstdint>
#include <string_view>

namespace lumo::com_identity {

inline constexpr std::string_view kTypeLibraryName = "LumoClassActionIC";
inline constexpr std::string_view kTypeLibraryId = "{FE7CC8BE-F28E-4D10-B1D9-742905226C21}";
inline constexpr uint16_t kTypeLibraryMajorVersion = 1;
inline constexpr uint16_t kTypeLibraryMinorVersion = 0;

inline constexpr std::string_view kClassName = "clsActionIC";
inline constexpr std::string_view kClassId = "{F0A81A3E-0CA7-4515-B8CC-784DCA6D7729}";
inline constexpr std::string_view kProgId = "LumoClassActionIC.clsActionIC";
inline constexpr std::string_view kThreadingModel = "Apartment";

// The default interface: dual, with the one method DoAction.
inline constexpr std::string_view kInterfaceName = "_clsActionIC";
inline constexpr std::string_view kInterfaceId = "{10A5C360-263A-42B6-A49A-0C94A64BEBBE}";

// The host collections, creatable by scripts so they can build dctPara.
inline constexpr std::string_view kDictionaryClassId = "{0BDE3A79-E619-477E-804B-45A95BF2047E}";
inline constexpr std::string_view kDictionaryProgId = "LumoCollections.Dictionary";
inline constexpr std::string_view kDictionaryInterfaceId = "{6928E21E-6378-4964-8B1A-1C453F121D4D}";
inline constexpr std::string_view kVectorClassId = "{9024DF85-6CC4-468A-9A9E-896F41348BCA}";
inline constexpr std::string_view kVectorProgId = "LumoCollections.Vector";
inline constexpr std::string_view kVectorInterfaceId = "{EBF101DE-FA3C-430F-A9C6-A10A7A33B8BE}";

}  // namespace lumo::com_identity
