#include "render/PictureImage.h"
#include "storage/ErrorReport.h"

#include <QColor>
#include <cstdlib>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

constexpr std::uint32_t kRed = 0x0000ff; // colour values: red in the low byte
constexpr std::uint32_t kBlue = 0xff0000;

// An enhanced metafile of 96 x 48 pixels (one inch by half an inch at 96
// dpi): a red square on the left half and a blue one on the right half, or
// nothing there.
Bytes EnhancedMetafile(bool blueHalf = true) {
    Bytes records;
    const auto record = [&](std::uint32_t type, std::initializer_list<std::uint32_t> fields) {
        Put32(records, type);
        Put32(records, static_cast<std::uint32_t>(8 + 4 * fields.size()));
        for (const auto field : fields)
            Put32(records, field);
    };
    constexpr std::uint32_t kCreateBrush = 39, kSelect = 37, kRectangle = 43, kEof = 14;
    constexpr std::uint32_t kNullPen = 0x80000008;
    record(kCreateBrush, {1, 0, kRed, 0});
    record(kSelect, {1});
    record(kSelect, {kNullPen});
    record(kRectangle, {0, 0, 48, 48});
    if (blueHalf) {
        record(kCreateBrush, {2, 0, kBlue, 0});
        record(kSelect, {2});
        record(kRectangle, {48, 0, 96, 48});
    }
    record(kEof, {0, 16, 20});
    const std::uint32_t kRecords = blueHalf ? 9 : 6;

    Bytes out;
    Put32(out, 1);                                   // header record
    Put32(out, 88);                                  // its size
    for (const std::uint32_t v : {0u, 0u, 95u, 47u}) // bounds, device pixels
        Put32(out, v);
    for (const std::uint32_t v : {0u, 0u, 2540u, 1270u}) // frame, 0.01 mm
        Put32(out, v);
    Put32(out, 0x464D4520); // " EMF"
    Put32(out, 0x10000);
    Put32(out, static_cast<std::uint32_t>(88 + records.size()));
    Put32(out, kRecords);
    Put16(out, 3); // handles, the reserved one included
    Put16(out, 0);
    for (const std::uint32_t v : {0u, 0u, 0u}) // no description, no palette
        Put32(out, v);
    for (const std::uint32_t v : {960u, 480u, 254u, 127u}) // 96 dpi reference device
        Put32(out, v);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

// A placeable Windows metafile of the same picture: bounding box 96 x 48 at
// 96 units per inch.
Bytes WindowsMetafile() {
    Bytes records;
    std::uint32_t largest = 0;
    const auto record = [&](std::uint16_t function, std::initializer_list<std::uint16_t> words) {
        const auto size = static_cast<std::uint32_t>(3 + words.size());
        largest = std::max(largest, size);
        Put32(records, size);
        Put16(records, function);
        for (const auto word : words)
            Put16(records, word);
    };
    constexpr std::uint16_t kWindowOrg = 0x020B, kWindowExt = 0x020C, kCreateBrush = 0x02FC,
                            kCreatePen = 0x02FA, kSelect = 0x012D, kRectangle = 0x041B;
    record(kWindowOrg, {0, 0});
    record(kWindowExt, {48, 96}); // y, then x
    record(kCreateBrush, {0, kRed & 0xffff, kRed >> 16, 0});
    record(kCreatePen, {5, 0, 0, 0, 0}); // a null pen
    record(kCreateBrush, {0, kBlue & 0xffff, kBlue >> 16, 0});
    record(kSelect, {1});
    record(kSelect, {0});
    record(kRectangle, {48, 48, 0, 0}); // bottom, right, top, left
    record(kSelect, {2});
    record(kRectangle, {48, 96, 0, 48});
    record(0, {}); // end of file

    Bytes out;
    Put32(out, 0x9AC6CDD7);                                // placeable key
    for (const std::uint16_t word : {0, 0, 0, 96, 48, 96}) // handle, box, units per inch
        Put16(out, word);
    Put32(out, 0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= static_cast<std::uint16_t>(out[i] | out[i + 1] << 8);
    Put16(out, checksum);
    Put16(out, 1);      // in memory
    Put16(out, 9);      // header words
    Put16(out, 0x0300); // version
    Put32(out, static_cast<std::uint32_t>(9 + records.size() / 2));
    Put16(out, 3); // objects
    Put32(out, largest);
    Put16(out, 0);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

void ExpectColourNear(const QImage& image, int x, int y, QColor expected) {
    const QColor actual = image.pixelColor(x, y);
    constexpr int kTolerance = 24;
    EXPECT_NEAR(actual.red(), expected.red(), kTolerance) << x << "," << y;
    EXPECT_NEAR(actual.green(), expected.green(), kTolerance) << x << "," << y;
    EXPECT_NEAR(actual.blue(), expected.blue(), kTolerance) << x << "," << y;
    EXPECT_EQ(actual.alpha(), 255) << x << "," << y;
}

// Both halves of the 96 x 48 picture, away from their edges.
void ExpectRedAndBlueHalves(const TPicture& picture) {
    ErrorCollector errors;
    const auto image = PictureImageOf(picture);
    EXPECT_TRUE(errors.Messages().empty()) << errors.Messages().front();
    ASSERT_EQ(image->Frames.size(), 1u);
    ASSERT_EQ(image->Size(), QSize(96, 48));
    const QImage& frame = image->Frames[0];
    for (const int y : {6, 24, 41})
        for (const int x : {6, 24, 41}) {
            ExpectColourNear(frame, x, y, Qt::red);
            ExpectColourNear(frame, x + 48, y, Qt::blue);
        }
}

TEST(MetafileDrawing, EnhancedMetafileIsDrawnAtItsStoredSize) {
    ExpectRedAndBlueHalves({TPictureKind::Metafile, EnhancedMetafile()});
}

TEST(MetafileDrawing, WindowsMetafileIsDrawnAtItsStoredSize) {
    ExpectRedAndBlueHalves({TPictureKind::Metafile, WindowsMetafile()});
}

TEST(MetafileDrawing, WhatTheRecordsLeaveUndrawnStaysTransparent) {
    ErrorCollector errors;
    const auto image = PictureImageOf({TPictureKind::Metafile, EnhancedMetafile(false)});
    ASSERT_EQ(image->Size(), QSize(96, 48));
    const QImage& frame = image->Frames[0];
    for (const int y : {6, 24, 41})
        for (const int x : {6, 24, 41}) {
            ExpectColourNear(frame, x, y, Qt::red);
            EXPECT_EQ(frame.pixelColor(x + 48, y).alpha(), 0) << x + 48 << "," << y;
        }
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(MetafileDrawing, RecordsThatCannotBePlayedAreReportedOnce) {
    for (auto bytes : {EnhancedMetafile(), WindowsMetafile()}) {
        // The header stays sound; the records after it are overwritten.
        const std::size_t header = bytes[0] == 1 ? 88 : 40;
        for (std::size_t i = header; i < bytes.size(); ++i)
            bytes[i] = 0xEE;
        const TPicture damaged{TPictureKind::Metafile, bytes};
        ErrorCollector errors;
        EXPECT_TRUE(PictureImageOf(damaged)->Empty());
        EXPECT_TRUE(PictureImageOf(damaged)->Empty());
        ASSERT_EQ(errors.Messages().size(), 1u);
        EXPECT_EQ(errors.Messages()[0], "The data is damaged or incomplete. (Error Code: 0/1056).");
    }
}

} // namespace
} // namespace brelvane
