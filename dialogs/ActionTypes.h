#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brelvane {

inline constexpr int kActionTypeCount = 29;
inline constexpr int kActionGroupType = 28;

// The name the designer shows for an action type, or "" outside 0..28.
std::string_view ActionTypeName(int type);
// The caption of the file field while that type is chosen.
std::string_view FileFieldCaption(int type);
// The type whose name equals `name` exactly (the last one that does), else 0.
int ActionTypeByName(std::string_view name);

// The types the action editor offers, in its order ("Action Group" is not
// among them, so groups do not nest).
inline constexpr std::array<int, 28> kOfferedActionTypes{0,  1,  2,  3,  5,  17, 13, 14, 15, 4,
                                                         10, 11, 12, 6,  27, 26, 19, 20, 21, 22,
                                                         23, 24, 25, 16, 18, 7,  8,  9};

// Types whose file field holds a settings text composed by a dialog.
bool IsSettingsType(int type);
// What the designer shows for a command's file field: "[Settings]" or
// "[None]" for a settings type, else the field itself.
std::string ShownFileField(int type, const std::string& actionFile);

} // namespace brelvane
