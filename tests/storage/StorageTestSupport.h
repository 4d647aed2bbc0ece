#pragma once

#include "storage/ErrorReport.h"
#include "storage/PictureBlock.h"
#include "storage/ProjectIndex.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane::test {

using Bytes = std::vector<std::uint8_t>;

Bytes Int32Bytes(std::int32_t value);
// A String block: length word and the bytes.
Bytes StringBytes(std::string_view text);
Bytes Concat(std::initializer_list<Bytes> parts);

// The code of a numbered error text ("... (Error Code: E/CODE)."), or -1.
int CodeOf(const std::string& text);
// Exactly one box was shown, and it carries `code`.
void ExpectOneError(const ErrorCollector& errors, int code);

// The bytes `write` stores for `value`.
template <class Write, class Value> Bytes Stored(Write write, const Value& value) {
    TMemoryStream stream;
    EXPECT_TRUE(write(stream, value));
    return stream.Bytes();
}

// Reading `bytes` into a fresh `Value` fails with exactly one box carrying
// `code`; no system call failed, so the box shows error 0.
template <class Value, class Read> void ExpectReadFails(Read read, const Bytes& bytes, int code) {
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    Value value{};
    EXPECT_FALSE(read(stream, value));
    ASSERT_EQ(errors.Messages().size(), 1u) << ::testing::PrintToString(errors.Messages());
    EXPECT_EQ(errors.Messages().front(), ErrorText(0, code));
}

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(std::string_view name) const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);

// A small picture of `kind` in its stored file form.
TPicture SamplePicture(TPictureKind kind);
// An index with every settings field off its default, install-wares, a hint
// picture and a few pages.
TProjectIndex SampleIndex();

} // namespace brelvane::test
