#include "storage/ByteStream.h"

#include "StorageTestSupport.h"
#include "storage/ErrorReport.h"
#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <numeric>

namespace brelvane {
namespace {

using test::Bytes;

constexpr std::size_t kBuffer = 64 * 1024;

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 131 + i / 251) & 0xff);
    return bytes;
}

class FileStreamTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.File("stream.bin");
};

TEST_F(FileStreamTest, FieldsStraddlingTheBufferBoundaryReadWhole) {
    // 65534 filler bytes put the third int32 across the first refill.
    TFileStream out(path, TFileStream::Mode::Create);
    const Bytes filler(kBuffer - 6, 0xaa);
    out.Write(filler.data(), filler.size());
    for (std::int32_t value : {0x11223344, -2, 0x55667788, 0x7fffffff})
        WriteField(out, value);
    out.Close();

    TFileStream in(path, TFileStream::Mode::Read);
    Bytes skipped(filler.size());
    in.Read(skipped.data(), skipped.size());
    EXPECT_EQ(ReadField<std::int32_t>(in), 0x11223344);
    EXPECT_EQ(ReadField<std::int32_t>(in), -2);
    EXPECT_EQ(ReadField<std::int32_t>(in), 0x55667788);
    EXPECT_EQ(ReadField<std::int32_t>(in), 0x7fffffff);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST_F(FileStreamTest, OddChunksAcrossSeveralBuffersRoundTrip) {
    const Bytes data = Pattern(3 * kBuffer + 17);
    const std::size_t writeChunks[] = {7, kBuffer - 1, 1, kBuffer + 5, 3, kBuffer};
    const std::size_t readChunks[] = {kBuffer + 1, 2, kBuffer - 3, 5, 2 * kBuffer};
    {
        TFileStream out(path, TFileStream::Mode::Create);
        std::size_t done = 0;
        for (std::size_t i = 0; done < data.size(); ++i) {
            const auto n = std::min(writeChunks[i % std::size(writeChunks)], data.size() - done);
            out.Write(data.data() + done, n);
            done += n;
            EXPECT_EQ(out.Position(), done);
            EXPECT_EQ(out.Size(), done);
        }
        out.Close();
    }
    EXPECT_EQ(test::ReadFileBytes(path), data);

    TFileStream in(path, TFileStream::Mode::Read);
    EXPECT_EQ(in.Size(), data.size());
    Bytes back(data.size());
    std::size_t done = 0;
    for (std::size_t i = 0; done < data.size(); ++i) {
        const auto n = std::min(readChunks[i % std::size(readChunks)], data.size() - done);
        in.Read(back.data() + done, n);
        done += n;
        EXPECT_EQ(in.Position(), done);
        EXPECT_EQ(in.Remaining(), data.size() - done);
    }
    EXPECT_EQ(back, data);
}

TEST_F(FileStreamTest, LargeTransfersInOneCall) {
    const Bytes data = Pattern(5 * kBuffer + 3);
    {
        TFileStream out(path, TFileStream::Mode::Create);
        const std::uint8_t head = 9;
        out.Write(&head, 1); // leaves a buffered byte before the large write
        out.Write(data.data(), data.size());
        out.Close();
    }
    TFileStream in(path, TFileStream::Mode::Read);
    EXPECT_EQ(ReadField<std::uint8_t>(in), 9);
    Bytes back(data.size());
    EXPECT_EQ(in.ReadSome(back.data(), back.size()), data.size());
    EXPECT_EQ(back, data);
    EXPECT_EQ(in.ReadSome(back.data(), 1), 0u);
}

TEST_F(FileStreamTest, SeekThenReadAndOverwrite) {
    test::WriteFileBytes(path, Pattern(2 * kBuffer));
    TFileStream stream(path, TFileStream::Mode::ReadWrite);
    stream.Seek(kBuffer + 10);
    EXPECT_EQ(stream.Position(), kBuffer + 10);
    EXPECT_EQ(ReadField<std::uint8_t>(stream), Pattern(2 * kBuffer)[kBuffer + 10]);

    stream.Seek(kBuffer - 2);
    WriteField<std::int32_t>(stream, -1);
    EXPECT_EQ(stream.Size(), 2 * kBuffer);
    stream.Seek(kBuffer - 2);
    EXPECT_EQ(ReadField<std::int32_t>(stream), -1);
    stream.Close();

    Bytes expected = Pattern(2 * kBuffer);
    std::fill(expected.begin() + kBuffer - 2, expected.begin() + kBuffer + 2, 0xff);
    EXPECT_EQ(test::ReadFileBytes(path), expected);
}

TEST_F(FileStreamTest, WriteAfterBufferedReadLandsAtTheLogicalPosition) {
    test::WriteFileBytes(path, Pattern(1000));
    TFileStream stream(path, TFileStream::Mode::ReadWrite);
    Bytes head(10);
    stream.Read(head.data(), head.size()); // the buffer now holds the whole file
    WriteField<std::uint16_t>(stream, 0xbeef);
    EXPECT_EQ(stream.Position(), 12u);
    // Reading on continues after the written bytes.
    EXPECT_EQ(ReadField<std::uint8_t>(stream), Pattern(1000)[12]);
    stream.Close();

    Bytes expected = Pattern(1000);
    expected[10] = 0xef;
    expected[11] = 0xbe;
    EXPECT_EQ(test::ReadFileBytes(path), expected);
}

TEST_F(FileStreamTest, WritesAppendedAtTheEndGrowTheFile) {
    test::WriteFileBytes(path, Pattern(100));
    TFileStream stream(path, TFileStream::Mode::ReadWrite);
    stream.Seek(100);
    WriteField<std::int32_t>(stream, 7);
    EXPECT_EQ(stream.Size(), 104u);
    EXPECT_EQ(stream.Remaining(), 0u);
    std::uint8_t byte = 0;
    EXPECT_EQ(stream.ReadSome(&byte, 1), 0u);
    stream.Seek(96);
    EXPECT_EQ(stream.Remaining(), 8u);
}

TEST_F(FileStreamTest, ReadingPastTheEndThrowsWithNoSystemError) {
    test::WriteFileBytes(path, {1, 2, 3});
    TFileStream stream(path, TFileStream::Mode::Read);
    errno = EINVAL;
    EXPECT_THROW(ReadField<std::int32_t>(stream), StreamError);
    EXPECT_EQ(errno, 0);
}

TEST_F(FileStreamTest, OpenFailuresLeaveTheSystemError) {
    errno = 0;
    EXPECT_THROW(TFileStream(folder.File("missing"), TFileStream::Mode::Read), StreamError);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_THROW(TFileStream(folder.Path(), TFileStream::Mode::Read), StreamError);
    EXPECT_EQ(errno, EISDIR);
}

TEST_F(FileStreamTest, DestructorFlushesPendingBytes) {
    {
        TFileStream out(path, TFileStream::Mode::Create);
        WriteField<std::int32_t>(out, 0x01020304);
    }
    EXPECT_EQ(test::ReadFileBytes(path), (Bytes{4, 3, 2, 1}));
}

TEST(MemoryStream, ReadsWritesAndSeeks) {
    TMemoryStream stream;
    WriteField<std::int32_t>(stream, -45);
    WriteField(stream, true);
    EXPECT_EQ(stream.Bytes(), (Bytes{0xd3, 0xff, 0xff, 0xff, 1}));
    EXPECT_EQ(stream.Remaining(), 0u);

    stream.Seek(0);
    EXPECT_EQ(ReadField<std::int32_t>(stream), -45);
    bool flag = false;
    ReadField(stream, flag);
    EXPECT_TRUE(flag);
    EXPECT_THROW(ReadField<std::uint8_t>(stream), StreamError);

    // Writing past the end fills the gap with zeros.
    stream.Seek(7);
    WriteField<std::uint8_t>(stream, 9);
    EXPECT_EQ(stream.Bytes(), (Bytes{0xd3, 0xff, 0xff, 0xff, 1, 0, 0, 9}));
}

TEST(MemoryStream, WriteAcrossTheEndOverwritesThenAppends) {
    TMemoryStream stream(Bytes{1, 2, 3});
    stream.Seek(2);
    WriteField<std::uint16_t>(stream, 0x0908);
    EXPECT_EQ(stream.Bytes(), (Bytes{1, 2, 8, 9}));
    EXPECT_EQ(stream.Position(), 4u);
}

TEST(MemoryStream, OptionalFieldKeepsItsValueAtTheEnd) {
    TMemoryStream stream(Bytes{5});
    std::uint8_t first = 0;
    ReadOptionalField(stream, first);
    EXPECT_EQ(first, 5);
    std::uint8_t second = 42;
    ReadOptionalField(stream, second);
    EXPECT_EQ(second, 42);
}

// The stream against a plain model of bytes and a position, through a fixed
// mix of small and large reads, writes and seeks: what moves through the
// inline windows must keep position, size and bytes as the calls do.
TEST(MemoryStream, InterleavedTransfersMatchAPlainModel) {
    TMemoryStream stream;
    Bytes model;
    std::size_t position = 0;
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    for (int step = 0; step < 4000; ++step) {
        SCOPED_TRACE(step);
        const auto choice = next(10);
        const std::size_t count = choice == 9 ? 300 + next(5000) : 1 + next(8);
        if (choice < 4) {
            Bytes bytes(count);
            for (auto& b : bytes)
                b = static_cast<std::uint8_t>(next(256));
            stream.Write(bytes.data(), bytes.size());
            if (model.size() < position + count) model.resize(position + count);
            std::copy(bytes.begin(), bytes.end(),
                      model.begin() + static_cast<std::ptrdiff_t>(position));
            position += count;
        } else if (choice < 8 || choice == 9) {
            Bytes got(count);
            if (position + count <= model.size()) {
                stream.Read(got.data(), count);
                EXPECT_TRUE(std::equal(got.begin(), got.end(),
                                       model.begin() + static_cast<std::ptrdiff_t>(position)));
                position += count;
            } else {
                const auto moved = stream.ReadSome(got.data(), count);
                EXPECT_EQ(moved, position < model.size() ? model.size() - position : 0);
                position += moved;
            }
        } else {
            position = next(static_cast<std::uint32_t>(model.size() + 20));
            stream.Seek(position);
        }
        ASSERT_EQ(stream.Position(), position);
        ASSERT_EQ(stream.Size(), model.size());
    }
    EXPECT_EQ(stream.Bytes(), model);
}

TEST(MemoryStream, StringsInTheWindowAndAcrossItsEnd) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteString(stream, "first"));
    ASSERT_TRUE(WriteString(stream, std::string(1000, 'x')));
    Bytes bytes = stream.Bytes();
    TMemoryStream whole(bytes);
    std::string a, b;
    ASSERT_TRUE(ReadString(whole, a));
    ASSERT_TRUE(ReadString(whole, b));
    EXPECT_EQ(a, "first");
    EXPECT_EQ(b, std::string(1000, 'x'));
    EXPECT_EQ(whole.Remaining(), 0u);
    // Cut inside the second string: one failure, the target left as it was.
    bytes.resize(bytes.size() - 1);
    TMemoryStream cut(bytes);
    ErrorCollector errors;
    std::string kept = "kept";
    ASSERT_TRUE(ReadString(cut, a));
    EXPECT_FALSE(ReadString(cut, kept));
    EXPECT_EQ(kept, "kept");
    EXPECT_EQ(errors.Messages().size(), 1u);
}

} // namespace
} // namespace brelvane
