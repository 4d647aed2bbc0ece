#include "StorageTestSupport.h"

#include "storage/FileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace brelvane::test {

Bytes Int32Bytes(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

Bytes StringBytes(std::string_view text) {
    Bytes bytes = Int32Bytes(static_cast<std::int32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

int CodeOf(const std::string& text) {
    const auto slash = text.rfind('/');
    if (slash == std::string::npos || !text.ends_with(").")) return -1;
    return std::atoi(text.c_str() + slash + 1);
}

void ExpectOneError(const ErrorCollector& errors, int code) {
    ASSERT_EQ(errors.Messages().size(), 1u) << ::testing::PrintToString(errors.Messages());
    EXPECT_EQ(CodeOf(errors.Messages().front()), code) << errors.Messages().front();
}

TempFolder::TempFolder() {
    // With slashes and no trailing one, as the program's own paths are.
    auto parent = Utf8Path(std::filesystem::temp_directory_path());
    std::replace(parent.begin(), parent.end(), '\\', '/');
    while (parent.size() > 1 && parent.back() == '/')
        parent.pop_back();
    std::random_device seed;
    std::mt19937 random(seed());
    // Made in one step: a name some other test took meanwhile is passed over.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto path = parent + "/brelvane-test-" + std::to_string(random());
        std::error_code error;
        if (std::filesystem::create_directory(NativePath(path), error)) {
            path_ = path;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder in " + parent);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(NativePath(path_), ignored);
}

std::string TempFolder::File(std::string_view name) const {
    return path_ + "/" + std::string(name);
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

namespace {
Bytes EnhancedMetafileHeader() {
    Bytes header(88, 0);
    header[0] = 1;    // EMR_HEADER
    header[4] = 88;   // record size
    header[40] = ' '; // " EMF" signature
    header[41] = 'E';
    header[42] = 'M';
    header[43] = 'F';
    return header;
}
} // namespace

TPicture SamplePicture(TPictureKind kind) {
    switch (kind) {
    case TPictureKind::None:
        return {};
    case TPictureKind::Png:
        return PngPrototype();
    case TPictureKind::Bitmap:
        // 1x1, 24 bits, white.
        return {kind, {'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40,   0,    0,    0, 1, 0,
                       0,   0,   1,  0, 0, 0, 1, 0, 24, 0, 0,  0, 0, 0, 4,    0,    0,    0, 0, 0,
                       0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, 0xff, 0xff, 0xff, 0}};
    case TPictureKind::Jpeg:
        return {kind, {0xff, 0xd8, 0xff, 0xe0, 0, 16, 'J', 'F', 'I', 'F',  0,
                       1,    1,    0,    0,    1, 0,  1,   0,   0,   0xff, 0xd9}};
    case TPictureKind::Gif:
        return {kind,
                {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xff, 0xff, 0xff, 0,  0,
                 0,   ',', 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 'D',  1,    0,    ';'}};
    case TPictureKind::Icon:
        return {kind, {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0x68, 4, 0, 0, 22, 0, 0, 0}};
    case TPictureKind::Metafile:
        return {kind, EnhancedMetafileHeader()};
    }
    return {};
}

TProjectIndex SampleIndex() {
    TProjectIndex index;
    TSettings& s = index.Settings;
    s.ApplicationTitle = "Demo CD";
    s.ApplicationStyle = 1;
    s.TabSheetList = "First\r\nSecond\r\n";
    s.TabFont = {"Arial", 0x123456, 12, fsItalic};
    s.ShowSheetIcons = true;
    s.IconSize = 32;
    s.Hint->UseCustomizedHint = true;
    s.Hint->Direction = 3;
    s.Hint->Font = {"Verdana", 0x00ff00, 9, fsUnderline | fsStrikeOut};
    s.Hint->Color = 0x0a0b0c;
    s.Hint->ShowPause = 700;
    s.Hint->HidePause = 4000;
    s.Hint->BorderColor = 0x010203;
    s.Hint->ShadowColor = 0x040506;
    s.Hint->BackStyle = 1;
    s.Hint->GradientColor = 0x070809;
    s.Hint->BackImage = SamplePicture(TPictureKind::Bitmap);
    s.Hint->ShadowOffset = 7;
    s.RequireAdmin = true;
    s.AdminMessage = "Administrators only.";
    s.Reserved1 = 11;
    s.Reserved2 = 2.5;
    s.Reserved3 = 33;
    s.Reserved4 = "four";
    s.Reserved5 = 55;
    s.Reserved6 = "six";
    for (int i = 0; i < 3; ++i) {
        auto ware = std::make_unique<TInstallWare>();
        ware->Executable = "\\Setup\\reader" + std::to_string(i) + ".exe";
        ware->Parameters = "/quiet";
        ware->StartFolder = "\\Setup";
        ware->Wait = i != 1;
        ware->When = i % 2;
        ware->FileType = ".pdf (Adobe Acrobat Document)";
        ware->ReservedText = "r";
        ware->ReservedNumber = i;
        ware->Prompt = i != 2;
        ware->PromptCaption = "Install";
        ware->PromptText = "Install the reader?";
        ware->AllowSkip = i == 0;
        s.InstallWares.push_back(std::move(ware));
    }
    const char* names[] = {"Splash", "Main Page", "Sub Page 1", "Exit Form"};
    const std::uint8_t kinds[] = {pkSplashScreen, pkMainPage, pkSubPage, pkExitForm};
    for (int i = 0; i < 4; ++i) {
        auto page = std::make_unique<TAutoFormInfo>();
        page->Name = names[i];
        page->Kind = kinds[i];
        page->Offset = 1000 * i;
        index.Pages.push_back(std::move(page));
    }
    return index;
}

} // namespace brelvane::test
