#include "project/Package.h"

#include "project/PackageTestSupport.h"
#include "project/SelfContained.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

Bytes PackageOf(const std::string& folder) {
    TMemoryStream stream;
    EXPECT_TRUE(WritePackage(stream, folder));
    return stream.Bytes();
}

// Unpacks `package` into a fresh folder and returns what arrived there.
Tree Unpacked(const Bytes& package, std::vector<std::string>* made = nullptr) {
    TempFolder target;
    TMemoryStream stream(package);
    const TUnpackListener listener{[&](const std::string& path) {
                                       if (made) made->push_back(path + "/");
                                   },
                                   [&](const std::string& path) {
                                       if (made) made->push_back(path);
                                   }};
    EXPECT_TRUE(ReadPackage(stream, target.Path(), listener));
    EXPECT_EQ(stream.Remaining(), 0u);
    if (made)
        for (auto& path : *made)
            path = fs::relative(path, target.Path()).generic_string() +
                   (path.ends_with('/') ? "/" : "");
    return TreeOf(target.Path());
}

TEST(Package, EmptyFolderIsEightZeroBytesAndUnpacksToNothing) {
    TempFolder empty;
    const auto package = PackageOf(empty.Path());
    EXPECT_EQ(package, Bytes(8, 0));
    EXPECT_TRUE(Unpacked(package).empty());
}

TEST(Package, ZeroSizeFileIsItsNameAndAZeroSize) {
    TempFolder folder;
    MakeTree(folder.Path(), {{"empty.txt", {}}});
    const auto package = PackageOf(folder.Path());
    EXPECT_EQ(package, OneFilePackage("empty.txt", {}));
    EXPECT_EQ(Unpacked(package), (Tree{{"empty.txt", {}}}));
}

TEST(Package, ExactBytesOfSubFoldersBeforeFiles) {
    TempFolder folder;
    MakeTree(folder.Path(), {{"a.txt", {1, 2, 3}}, {"sub/b", {9}}});
    EXPECT_EQ(PackageOf(folder.Path()), Concat({Int32Bytes(1),
                                                StringBytes("sub"),
                                                OneFilePackage("b", {9}),
                                                Int32Bytes(1),
                                                StringBytes("a.txt"),
                                                Int32Bytes(3),
                                                {1, 2, 3}}));
}

TEST(Package, LeavesOutProjectSourceAndPlayerAtEveryDepthButKeepsOtherCases) {
#ifdef _WIN32
    GTEST_SKIP() << "names that differ only in case are one name on Windows";
#endif
    TempFolder folder;
    const Tree kept{{"autorunsource/", {}},
                    {"autorunsource/notes.txt", {4}},
                    {"AUTORUN.EXE", {5}},
                    {"autorun.tgt", {6, 7}},
                    {".hidden", {8}},
                    {"media/", {}},
                    {"media/clip.avi", Bytes(70000, 0x5a)},
                    {"media/deeper/", {}},
                    {"media/deeper/empty/", {}}};
    Tree all = kept;
    all.insert({{"AutoRunSource/AutoRun.src", {1}},
                {"AutoRunSource/Main Page.pg", {2}},
                {"autorun.exe", {3}},
                {"media/AutoRunSource/Sub.pg", {1}},
                {"media/deeper/autorun.exe", {3}}});
    MakeTree(folder.Path(), all);
    EXPECT_EQ(Unpacked(PackageOf(folder.Path())), kept);
}

TEST(Package, ListenerHearsOfEveryFolderBeforeWhatItHolds) {
    TempFolder folder;
    MakeTree(folder.Path(), {{"top.txt", {1}}, {"a/b/deep.txt", {2}}, {"a/mid.txt", {3}}});
    std::vector<std::string> made;
    Unpacked(PackageOf(folder.Path()), &made);
    const std::vector<std::string> expected{"a/", "a/b/", "a/b/deep.txt", "a/mid.txt", "top.txt"};
    EXPECT_EQ(made, expected);
}

#ifndef _WIN32
// (Links and pipes of this kind need rights on Windows that tests do not have.)
TEST(Package, LinksToFilesArePackedAndLinksToFoldersAndPipesAreNot) {
    TempFolder folder;
    MakeTree(folder.Path(), {{"real/file", {1, 2}}});
    fs::create_symlink(folder.File("real/file"), folder.File("link"));
    fs::create_directory_symlink(folder.Path(), folder.File("loop"));
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(Unpacked(PackageOf(folder.Path())),
              (Tree{{"link", {1, 2}}, {"real/", {}}, {"real/file", {1, 2}}}));
}
#endif

TEST(Package, UnreadableFolderIsReportedWithItsPath) {
    ErrorCollector errors;
    TMemoryStream stream;
    EXPECT_FALSE(WritePackage(stream, "/no/such/base"));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              FileErrorText(ENOENT, kPublishExecutableError, "/no/such/base"));
}

// Sparse files give the sizes without the bytes.
// One byte written at the end: the file system leaves the hole unallocated. (The Windows C
// runtime's resize refuses a size larger than the free space of the disk.)
void MakeSparse(const std::string& path, std::uintmax_t size) {
    std::ofstream file(NativePath(path), std::ios::binary);
    file.seekp(static_cast<std::streamoff>(size - 1));
    file.put('\0');
    ASSERT_TRUE(file.good()) << path;
}

TEST(Package, TooLargeForItsFieldsIsRefusedBeforeAnythingIsWritten) {
    TempFolder folder;
    MakeSparse(folder.File("huge.iso"), std::uintmax_t{1} << 31);
    ErrorCollector errors;
    TMemoryStream stream;
    EXPECT_FALSE(WritePackage(stream, folder.Path()));
    EXPECT_EQ(stream.Size(), 0u);
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "\"" + folder.File("huge.iso") +
                                        "\" is larger than 2 GB, more than a package can hold.");

    fs::remove(folder.File("huge.iso"));
    for (const char* name : {"a.iso", "b.iso", "c.iso"})
        MakeSparse(folder.File(name), std::uintmax_t{3} << 29);
    errors.Clear();
    EXPECT_FALSE(WritePackage(stream, folder.Path()));
    EXPECT_EQ(stream.Size(), 0u);
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "The package of \"" + folder.Path() +
                                        "\" is larger than 4 GB, more than a self-contained "
                                        "executable can hold.");
}

struct Unpacking : ::testing::Test {
    TempFolder parent;
    std::string target = parent.File("target");
    std::string executable = parent.File("menu.exe");
    ErrorCollector errors;

    void SetUp() override { fs::create_directory(target); }

    // Unpacks an executable holding `package`; returns success.
    bool Unpack(const Bytes& package) {
        WriteFileBytes(executable, Executable({'M', 'Z', 0, 0}, package));
        return ReadAppendedPackage(executable, target, {});
    }

    void ExpectFailureWithCode(int code) {
        ExpectOneError(errors, code);
        EXPECT_NE(errors.Messages()[0].find("\"" + executable + "\""), std::string::npos);
    }

    // Nothing but the executable and the target folder exists beside each other.
    void ExpectNothingOutsideTheTarget() {
        EXPECT_EQ(TreeOf(parent.Path()).size(), TreeOf(target).size() + 2);
    }
};

TEST_F(Unpacking, HostileEntryNamesAreRefused) {
    for (const std::string& name :
         {std::string(), std::string("."), std::string(".."), std::string("../evil"),
          std::string("a/b"), std::string("a\\b"), std::string("/tmp/evil"), std::string("a\0b", 3),
          std::string(256, 'x')}) {
        SCOPED_TRACE(::testing::PrintToString(name));
        errors.Clear();
        EXPECT_FALSE(Unpack(OneFilePackage(name, {1})));
        ExpectFailureWithCode(kLoadProjectDataError);
        // The same name as a sub-folder.
        errors.Clear();
        EXPECT_FALSE(Unpack(Concat({Int32Bytes(1), StringBytes(name), Bytes(16, 0)})));
        ExpectFailureWithCode(kLoadProjectDataError);
        ExpectNothingOutsideTheTarget();
        EXPECT_TRUE(TreeOf(target).empty());
    }
    EXPECT_FALSE(fs::exists(parent.File("evil")));
}

TEST_F(Unpacking, CountsAndSizesBeyondTheRestFailAtOnce) {
    const Bytes cases[] = {
        Concat({Int32Bytes(0x7fffffff)}),
        Concat({Int32Bytes(-1)}),
        Concat({Int32Bytes(0), Int32Bytes(0x10000000), StringBytes("a")}),
        Concat({Int32Bytes(0), Int32Bytes(1), StringBytes("a"), Int32Bytes(0x7fffffff), {1}}),
        Concat({Int32Bytes(0), Int32Bytes(1), StringBytes("a"), Int32Bytes(-5)}),
    };
    for (const auto& package : cases) {
        errors.Clear();
        EXPECT_FALSE(Unpack(package));
        ExpectFailureWithCode(kLoadProjectDataError);
    }
}

TEST_F(Unpacking, TrailerOutsideTheFileOrNoTrailerFails) {
    WriteFileBytes(executable, Concat({Bytes(4, 'M'), Bytes(8, 0), Int32Bytes(1000)}));
    EXPECT_FALSE(ReadAppendedPackage(executable, target, {}));
    ExpectFailureWithCode(kLoadProjectDataError);
    errors.Clear();
    WriteFileBytes(executable, {1, 2});
    EXPECT_FALSE(ReadAppendedPackage(executable, target, {}));
    ExpectFailureWithCode(kLoadProjectDataError);
    errors.Clear();
    EXPECT_FALSE(ReadAppendedPackage(parent.File("missing.exe"), target, {}));
    ExpectOneError(errors, kLoadProjectDataError);
}

TEST_F(Unpacking, FileInThePlaceOfAFolderIsReportedWithItsPath) {
    WriteFileBytes(target + "/taken", {1});
    EXPECT_FALSE(Unpack(Concat({Int32Bytes(1), StringBytes("taken"), Bytes(8, 0)})));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], FileErrorText(EEXIST, kUnpackFolderError, target + "/taken"));
}

#ifndef _WIN32
TEST_F(Unpacking, ExistingLinkIsNotWrittenThrough) {
    fs::create_symlink(parent.File("outside"), target + "/file");
    EXPECT_FALSE(Unpack(OneFilePackage("file", {1})));
    ExpectFailureWithCode(kLoadProjectDataError);
    EXPECT_FALSE(fs::exists(parent.File("outside")));
}
#endif

TEST(SelfContained, PlayerThenPackageThenThePlayersLength) {
    TempFolder base, out;
    const Bytes player(1000000, 0x4d);
    MakeTree(base.Path(), {{"autorun.exe", player}, {"autorun.tgt", {1, 2}}, {"media/a", {3}}});
    fs::permissions(base.File("autorun.exe"), fs::perms::owner_exec, fs::perm_options::add);
    const auto path = out.File("menu.exe");
    ASSERT_TRUE(WriteSelfContainedExecutable(base.Path(), path));
    EXPECT_EQ(fs::status(path).permissions(), fs::status(base.File("autorun.exe")).permissions());
    const auto bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), player.size() + 4);
    EXPECT_TRUE(std::equal(player.begin(), player.end(), bytes.begin()));
    EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{0x40, 0x42, 0x0f, 0x00}));
    EXPECT_EQ(Bytes(bytes.begin() + player.size(), bytes.end() - 4), PackageOf(base.Path()));

    fs::create_directory(out.File("unpacked"));
    ASSERT_TRUE(ReadAppendedPackage(path, out.File("unpacked"), {}));
    EXPECT_EQ(TreeOf(out.File("unpacked")),
              (Tree{{"autorun.tgt", {1, 2}}, {"media/", {}}, {"media/a", {3}}}));
}

TEST(SelfContained, ANamedPlayerGoesInFrontOfThePackage) {
    TempFolder base, out;
    const Bytes windowsPlayer{'M', 'Z', 0x90, 0, 3};
    MakeTree(base.Path(), {{"autorun.exe", {1, 2, 3}}, {"autorun.tgt", {7}}});
    WriteFileBytes(out.File("Brelvane.exe"), windowsPlayer);
    const auto path = out.File("menu.exe");
    ASSERT_TRUE(WriteSelfContainedExecutable(base.Path(), path, out.File("Brelvane.exe")));
    EXPECT_EQ(ReadFileBytes(path), Executable(windowsPlayer, PackageOf(base.Path())));

    ErrorCollector errors;
    EXPECT_FALSE(WriteSelfContainedExecutable(base.Path(), path, out.File("missing.exe")));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              FileErrorText(ENOENT, kPublishExecutableError, out.File("missing.exe")));
}

TEST(SelfContained, MissingPlayerIsReportedWithItsPath) {
    TempFolder base, out;
    ErrorCollector errors;
    EXPECT_FALSE(WriteSelfContainedExecutable(base.Path(), out.File("menu.exe")));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              FileErrorText(ENOENT, kPublishExecutableError, base.File("autorun.exe")));
}

TEST(PackageFolder, SmallestFreeNumber) {
    TempFolder temp;
    fs::create_directory(temp.File("Brelvane0"));
    fs::create_directory(temp.File("Brelvane1"));
    WriteFileBytes(temp.File("Brelvane3"), {});
    EXPECT_EQ(MakePackageFolder(temp.Path()), temp.File("Brelvane2"));
    EXPECT_TRUE(fs::is_directory(temp.File("Brelvane2")));
    EXPECT_EQ(MakePackageFolder(temp.Path()), temp.File("Brelvane4"));

    EXPECT_EQ(MakePackageFolder(temp.File("missing")), "");
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(MakePackageFolder(""), "");
}

} // namespace
} // namespace brelvane::test
