#include "platform/CursorFiles.h"

#include "platform/GuiApplication.h"
#include "storage/StorageTestSupport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace brelvane::platform {
namespace {

// A 16x16 icon file as Qt writes it.
QByteArray IconBytes() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "ICO"));
    return bytes;
}

// The icon turned into a cursor file with its hot spot.
QByteArray CursorBytes(quint16 hotX, quint16 hotY) {
    QByteArray bytes = IconBytes();
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(hotX, bytes.data() + 6 + 4);
    qToLittleEndian<quint16>(hotY, bytes.data() + 6 + 6);
    return bytes;
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray chunk(id, 4);
    char size[4];
    qToLittleEndian<quint32>(static_cast<quint32>(body.size()), size);
    chunk.append(size, 4);
    chunk.append(body);
    if (body.size() & 1) chunk.append('\0');
    return chunk;
}

void Write(const std::string& path, const QByteArray& bytes) {
    test::WriteFileBytes(path, test::Bytes(bytes.begin(), bytes.end()));
}

TEST(CursorFiles, CursorKeepsItsHotSpotAndIconLoads) {
    test::EnsureGuiApplication();
    test::TempFolder folder;
    Write(folder.File("hand.cur"), CursorBytes(5, 7));
    const auto cursor = LoadCursorFile(folder.File("hand.cur"));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(5, 7));
    EXPECT_EQ(cursor->pixmap().size(), QSize(16, 16));

    Write(folder.File("plain.ico"), IconBytes());
    EXPECT_TRUE(LoadCursorFile(folder.File("plain.ico")).has_value());
}

TEST(CursorFiles, AnimatedCursorUsesItsFirstFrame) {
    test::EnsureGuiApplication();
    test::TempFolder folder;
    const QByteArray frames =
        QByteArray("fram") + Chunk("icon", CursorBytes(3, 4)) + Chunk("icon", CursorBytes(9, 9));
    const QByteArray body =
        QByteArray("ACON") + Chunk("anih", QByteArray(36, '\0')) + Chunk("LIST", frames);
    Write(folder.File("busy.ani"), Chunk("RIFF", body));
    const auto cursor = LoadCursorFile(folder.File("busy.ani"));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(3, 4));
}

TEST(CursorFiles, MissingOrDamagedFilesGiveNothing) {
    test::EnsureGuiApplication();
    test::TempFolder folder;
    EXPECT_FALSE(LoadCursorFile(folder.File("none.cur")).has_value());
    auto cut = CursorBytes(1, 1);
    cut.truncate(30);
    Write(folder.File("cut.cur"), cut);
    EXPECT_FALSE(LoadCursorFile(folder.File("cut.cur")).has_value());
    Write(folder.File("riff.ani"), Chunk("RIFF", QByteArray("ACON") + Chunk("LIST", "fram")));
    EXPECT_FALSE(LoadCursorFile(folder.File("riff.ani")).has_value());
    Write(folder.File("text.cur"), "not a cursor at all");
    EXPECT_FALSE(LoadCursorFile(folder.File("text.cur")).has_value());
}

} // namespace
} // namespace brelvane::platform
