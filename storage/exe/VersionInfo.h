#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brelvane {

// One node of a version resource: 16-bit total length, value length and type
// (1 text, 0 binary), a zero-terminated key of 16-bit characters, padding to
// 4 bytes, the value, padding to 4 bytes, then the children.
struct TVersionNode {
    std::u16string Key;
    bool Text = true;
    // As stored: characters for text values, bytes for binary ones.
    std::uint16_t ValueLength = 0;
    std::vector<std::uint8_t> Value;
    std::vector<TVersionNode> Children;
};

// Reads the tree; a node of length 0, one past its parent or deeper than the
// version tree goes raises EExeFormat.
TVersionNode ReadVersionTree(std::span<const std::uint8_t> resource);
std::vector<std::uint8_t> WriteVersionTree(const TVersionNode& root);

// Where a value lies in the resource bytes: its byte offset and its
// characters up to the terminating zero.
struct TVersionValue {
    std::size_t Offset = 0;
    std::size_t Characters = 0;
};

// Follows `path` ("VS_VERSION_INFO", "StringFileInfo", table, key) through the
// nodes, keys compared with a-z folded to upper case. Empty when a node on the
// way is missing; raises EExeFormat when a node is damaged (length 0, past
// its parent).
std::optional<TVersionValue> FindVersionValue(std::span<const std::uint8_t> resource,
                                              std::span<const std::string_view> path);

// The text of a value in the system's 8-bit code page.
std::string VersionValueText(std::span<const std::uint8_t> resource, const TVersionValue& value);

// "StringFileInfo\<table>\<key>" of a version resource: empty when missing.
std::string QueryVersionString(std::span<const std::uint8_t> resource, std::string_view table,
                               std::string_view key);

// The string table every program of ours carries: U.S. English, code page 1252.
constexpr std::string_view kVersionTable = "040904E4";

// What the build gives the program: fixed version numbers and the string
// table's values in order.
struct TVersionBlock {
    std::array<std::uint16_t, 4> FileVersion{};
    std::array<std::uint16_t, 4> ProductVersion{};
    std::vector<std::pair<std::string, std::string>> Strings;
};

// The resource as the Windows resource compiler lays it out: fixed file
// information, "StringFileInfo" with the table kVersionTable, and
// "VarFileInfo" with its "Translation" 0409 04E4.
std::vector<std::uint8_t> BuildVersionResource(const TVersionBlock& block);

} // namespace brelvane
