#include "storage/StringBlock.h"

#include "storage/LittleEndian.h"
#include "storage/Transfer.h"

#include <cerrno>

namespace brelvane {

bool WriteString(TStream& stream, std::string_view value) {
    return Transfer(kWriteStringError, [&] {
        if (value.size() > 0x7fffffff) throw StreamError("string too long");
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(value.size()));
        stream.Write(value.data(), value.size());
        return true;
    });
}

bool ReadStringBlock(TStream& stream, std::string& value) {
    return Transfer(kReadStringError, [&] {
        const auto length = ReadField<std::int32_t>(stream);
        // A length the stream cannot hold is damage: fail before allocating.
        if (length < 0 || static_cast<std::uint64_t>(length) > stream.Remaining()) {
            errno = 0;
            throw StreamError("bad string length");
        }
        std::string bytes(static_cast<std::size_t>(length), '\0');
        stream.Read(bytes.data(), bytes.size());
        value = std::move(bytes);
        return true;
    });
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

} // namespace brelvane
