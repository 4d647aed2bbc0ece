#include "platform/WideText_win.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

// Brelvane.exe as Windows itself reads it: the version strings the executable
// information dialog rewrites in place, and the icon group it replaces.
namespace brelvane::platform {
namespace {

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        const DWORD size = ::GetFileVersionInfoSizeW(program.c_str(), nullptr);
        ASSERT_GT(size, 0u) << "no version information in " << BRELVANE_PROGRAM;
        block.resize(size);
        ASSERT_TRUE(::GetFileVersionInfoW(program.c_str(), 0, size, block.data()));
    }

    // The value and its length as the query gives it (characters, terminating zero included).
    std::wstring Value(const std::wstring& name, UINT* length = nullptr) {
        void* value = nullptr;
        UINT size = 0;
        const auto path = L"\\StringFileInfo\\040904E4\\" + name;
        if (!::VerQueryValueW(block.data(), path.c_str(), &value, &size) || !value) return {};
        if (length) *length = size;
        return static_cast<const wchar_t*>(value);
    }

    std::wstring program = WideText(BRELVANE_PROGRAM);
    std::vector<char> block;
};

TEST_F(ProgramResources, RewritableValuesAreHundredCharacterSlots) {
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"LegalCopyright"}) {
        SCOPED_TRACE(Utf8Text(name));
        UINT length = 0;
        const auto value = Value(name, &length);
        ASSERT_EQ(value.size(), 100u);
        EXPECT_EQ(length, 101u);
        EXPECT_NE(value.front(), L' ');
        EXPECT_EQ(value.back(), L' ');
    }
    EXPECT_EQ(Value(L"CompanyName").rfind(L"Brelvane", 0), 0u);
}

TEST_F(ProgramResources, FileVersionNamesTheVersionAndTheCommit) {
    const auto version = Value(L"FileVersion");
    EXPECT_EQ(version.rfind(L"0.1 (", 0), 0u) << Utf8Text(version);
    EXPECT_EQ(version.back(), L')');
}

TEST(ProgramIcon, MainIconIsTheGroupOfItsImages) {
    const auto program = WideText(BRELVANE_PROGRAM);
    const HMODULE module = ::LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    const HRSRC group = ::FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    // A group: reserved 0, type 1, then the count of images.
    const auto* header = static_cast<const WORD*>(::LockResource(::LoadResource(module, group)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header[0], 0);
    EXPECT_EQ(header[1], 1);
    EXPECT_EQ(header[2], 5);
    for (int id = 1; id <= header[2]; ++id)
        EXPECT_NE(::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3)), nullptr)
            << "icon image " << id;
    ::FreeLibrary(module);
}

} // namespace
} // namespace brelvane::platform
