#include "storage/FileSystem.h"

#include "storage/ByteStream.h"
#include "storage/FilePaths.h"
#include "storage/SaveFile.h"
#include "storage/StorageTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Every byte value, with the line ends and the Ctrl-Z that a text-mode file
// would rewrite or stop at.
Bytes AwkwardBytes() {
    Bytes bytes{'\n', '\r', '\n', 0x1a, '\n', '\n', '\r'};
    for (int value = 0; value < 256; ++value)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

std::vector<std::string> Names(const std::vector<TFolderEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.Name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(NativeFile, KeepsEveryByteAsWritten) {
    TempFolder folder;
    const auto path = folder.File("bytes.bin");
    const auto bytes = AwkwardBytes();
    {
        TNativeFile file(path, TNativeFile::Mode::Create);
        file.WriteAll(bytes.data(), bytes.size());
        file.Sync();
        file.Close();
    }
    EXPECT_EQ(SizeOfFile(path), bytes.size());
    TNativeFile file(path, TNativeFile::Mode::Read);
    EXPECT_EQ(file.Size(), bytes.size());
    Bytes back(bytes.size() + 10);
    ASSERT_EQ(file.ReadUpTo(back.data(), back.size()), bytes.size());
    back.resize(bytes.size());
    EXPECT_EQ(back, bytes);
    file.Seek(3);
    std::uint8_t one = 0;
    ASSERT_EQ(file.ReadUpTo(&one, 1), 1u);
    EXPECT_EQ(one, 0x1a);
}

TEST(NativeFile, FileStreamRoundTripIsByteExact) {
    TempFolder folder;
    const auto path = folder.File("stream.bin");
    const auto bytes = AwkwardBytes();
    {
        TFileStream out(path, TFileStream::Mode::Create);
        out.Write(bytes.data(), bytes.size());
        out.Close();
    }
    EXPECT_EQ(ReadFileBytes(path), bytes);
    TFileStream in(path, TFileStream::Mode::ReadWrite);
    EXPECT_EQ(in.Size(), bytes.size());
    in.Seek(1);
    const std::uint8_t cr = '\r';
    in.Write(&cr, 1);
    in.Close();
    auto expected = bytes;
    expected[1] = '\r';
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST(NativeFile, FailuresSayWhyInErrno) {
    TempFolder folder;
    errno = 0;
    EXPECT_THROW(TNativeFile(folder.File("missing"), TNativeFile::Mode::Read), StreamError);
    EXPECT_EQ(errno, ENOENT);
    errno = 0;
    EXPECT_THROW(TNativeFile(folder.Path(), TNativeFile::Mode::Read), StreamError);
    EXPECT_EQ(errno, EISDIR);
    errno = 0;
    EXPECT_THROW(TNativeFile(folder.File("no/such/folder/file"), TNativeFile::Mode::Create),
                 StreamError);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_THROW(SizeOfFile(folder.File("missing")), StreamError);
}

TEST(SaveFile, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const auto path = folder.File("index.src");
    WriteFileBytes(path, Bytes(100, 'o'));
    const auto bytes = AwkwardBytes();
    ASSERT_TRUE(SaveFileAtomically(path, [&](TStream& stream) {
        stream.Write(bytes.data(), bytes.size());
        return true;
    }));
    EXPECT_EQ(ReadFileBytes(path), bytes);
    // Replacing again, over the file the first save put there.
    ASSERT_TRUE(SaveFileAtomically(path, [&](TStream& stream) {
        stream.Write("new", 3);
        return true;
    }));
    EXPECT_EQ(ReadFileBytes(path), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(Names(ListFolder(folder.Path())), std::vector<std::string>{"index.src"});
}

TEST(SaveFile, RefusedWriteKeepsTheOldFile) {
    TempFolder folder;
    const auto path = folder.File("index.src");
    WriteFileBytes(path, Bytes{'o', 'l', 'd'});
    EXPECT_FALSE(SaveFileAtomically(path, [](TStream& stream) {
        stream.Write("half", 4);
        return false;
    }));
    EXPECT_EQ(ReadFileBytes(path), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(Names(ListFolder(folder.Path())), std::vector<std::string>{"index.src"});
}

TEST(FileSystem, RenameOverReplacesAnExistingFile) {
    TempFolder folder;
    WriteFileBytes(folder.File("new"), Bytes{1, 2, 3});
    WriteFileBytes(folder.File("old"), Bytes{9});
    RenameOver(folder.File("new"), folder.File("old"));
    EXPECT_EQ(ReadFileBytes(folder.File("old")), (Bytes{1, 2, 3}));
    EXPECT_EQ(Names(ListFolder(folder.Path())), std::vector<std::string>{"old"});
    errno = 0;
    EXPECT_THROW(RenameOver(folder.File("gone"), folder.File("old")), StreamError);
    EXPECT_EQ(errno, ENOENT);
}

TEST(FileSystem, CreateFileBesideGivesNewEmptyFiles) {
    TempFolder folder;
    const auto first = CreateFileBeside(folder.File("page.pg"));
    const auto second = CreateFileBeside(folder.File("page.pg"));
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(folder.File("page.pg."), 0), 0u) << first;
    EXPECT_EQ(SizeOfFile(first), 0u);
    EXPECT_EQ(SizeOfFile(second), 0u);
}

TEST(FileSystem, MakeFolderTellsMadeFromExistingFromBlocked) {
    TempFolder folder;
    EXPECT_EQ(MakeFolder(folder.File("sub")), TFolderMade::Made);
    EXPECT_TRUE(FolderExists(folder.File("sub")));
    EXPECT_EQ(MakeFolder(folder.File("sub")), TFolderMade::Existed);
    WriteFileBytes(folder.File("file"), Bytes{1});
    errno = 0;
    EXPECT_EQ(MakeFolder(folder.File("file"), true), TFolderMade::Failed);
    EXPECT_EQ(errno, EEXIST);
    errno = 0;
    EXPECT_EQ(MakeFolder(folder.File("no/such")), TFolderMade::Failed);
    EXPECT_EQ(errno, ENOENT);
}

TEST(FileSystem, ListFolderNamesFoldersAndFiles) {
    TempFolder folder;
    ASSERT_EQ(MakeFolder(folder.File("Pictures")), TFolderMade::Made);
    WriteFileBytes(folder.File("autorun.tgt"), Bytes{});
    auto entries = ListFolder(folder.Path());
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.Name < b.Name; });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Name, "Pictures");
    EXPECT_EQ(entries[0].Kind, TEntryKind::Folder);
    EXPECT_EQ(entries[1].Name, "autorun.tgt");
    EXPECT_EQ(entries[1].Kind, TEntryKind::File);
    EXPECT_THROW(ListFolder(folder.File("missing")), StreamError);
}

// Names outside ASCII reach the disk as the same characters and come back in UTF-8.
TEST(FileSystem, Utf8NamesKeepTheirCharacters) {
    TempFolder folder;
    const std::string name = "\xc3\x9c"
                             "bersicht \xe2\x80\x93 \xe6\x97\xa5\xe6\x9c\xac.pg";
    const std::string sub = "M\xc3\xbcsik";
    ASSERT_EQ(MakeFolder(folder.File(sub)), TFolderMade::Made);
    const auto path = folder.File(sub) + "/" + name;
    ASSERT_TRUE(SaveFileAtomically(path, [](TStream& stream) {
        stream.Write("\r\n", 2);
        return true;
    }));
    EXPECT_EQ(Names(ListFolder(folder.File(sub))), std::vector<std::string>{name});
    EXPECT_EQ(SizeOfFile(path), 2u);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(Utf8Path(NativePath(path)), path);
    EXPECT_EQ(Utf8Path(NativePath(path).filename()), name);
    // A project names its files in any case.
    const auto shouted = folder.File("M\xc3\xbcSIK") + "/" + name;
    EXPECT_TRUE(FileExists(shouted));
    EXPECT_EQ(SizeOfFile(ResolvePath(shouted)), 2u);
}

} // namespace
} // namespace brelvane::test
