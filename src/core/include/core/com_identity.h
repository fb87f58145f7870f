// The identities under which the component is registered as an in-process
// COM server. Hosts find the class by these values, so they never change.
// Nothing reads them yet: they are kept for the COM server build, which
// registers the component under them.
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

}  // namespace lumo::com_identity
