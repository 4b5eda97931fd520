// The fixed texts of the house file format.
#pragma once

#include <string_view>

namespace tarvo::house_format {

inline constexpr std::string_view kHeader = "HOUSE FILE FOR TARVO PLIM";
inline constexpr std::string_view kVersionLabel = "Version:";
inline constexpr std::string_view kNameLabel = "HOUSE's NAME:";
inline constexpr std::string_view kRoomCountLabel = "NUMBER OF ROOM:";
inline constexpr std::string_view kSeparatorRun = "=======================================";  // 39
inline constexpr std::string_view kSeparatorRoom = " ROOM ";
inline constexpr std::string_view kPlacesLabel = "FORBBIDEN PLACE:";
inline constexpr std::string_view kCouplesLabel = "FORBBIDEN COUPLE:";
inline constexpr std::string_view kRecordCountLabel = "NUMBER OF RECCORD:";
inline constexpr std::string_view kLineEnd = "\r\n";
// From the project's version in the build files.
inline constexpr int kVersionMajor = TARVO_VERSION_MAJOR;
inline constexpr int kVersionMinor = TARVO_VERSION_MINOR;

}  // namespace tarvo::house_format
