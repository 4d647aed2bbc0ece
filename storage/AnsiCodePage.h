#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brelvane {

// Stored strings are bytes of the Windows-1252 code page. The mapping is
// lossless for all 256 byte values: the five bytes the code page leaves
// undefined map to the C1 control characters of the same number.
char32_t AnsiToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToAnsi(char32_t character);

std::string AnsiToUtf8(std::string_view ansi);
// Characters outside the code page become '?'; malformed UTF-8 bytes too.
std::string Utf8ToAnsi(std::string_view utf8);
// Texts of the machine (paths, the system's messages) are UTF-8, but a path
// may carry stored bytes too: valid UTF-8 sequences are kept as they are and
// every other byte is read as Windows-1252.
std::string MachineTextToUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t character);
// Decodes one UTF-8 sequence at `i`, advancing it; nothing for malformed bytes.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& i);

} // namespace brelvane
