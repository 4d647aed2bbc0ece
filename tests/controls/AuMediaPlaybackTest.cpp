// The media player over the system's real back end, offscreen.
#include "controls/ControlTestKit.h"
#include "objects/controls/AuMedia.h"
#include "objects/records/ObjectKinds.h"
#include "storage/MjpegAvi.h"
#include "storage/StorageTestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <cstring>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// One second of a 64 x 48 clip: a white bar moving over green.
std::vector<std::uint8_t> TestClip() {
    TMjpegClip clip;
    clip.Width = 64;
    clip.Height = 48;
    clip.FramesPerSecond = 10;
    for (int i = 0; i < 10; ++i) {
        QImage frame(64, 48, QImage::Format_RGB32);
        frame.fill(qRgb(0, 160, 0));
        QPainter(&frame).fillRect(i * 6, 0, 6, 48, Qt::white);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(frame.save(&buffer, "JPG", 90));
        clip.Frames.emplace_back(bytes.begin(), bytes.end());
    }
    return MjpegAviBytes(clip);
}

TEST(MjpegAvi, ChunkLayoutAndIndex) {
    TMjpegClip clip;
    clip.Width = 2;
    clip.Height = 1;
    clip.FramesPerSecond = 5;
    clip.Frames = {{0xFF, 0xD8, 0xFF}, {0xFF, 0xD8}};
    const auto bytes = MjpegAviBytes(clip);
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_EQ(text.substr(0, 4), "RIFF");
    EXPECT_EQ(text.substr(8, 4), "AVI ");
    std::uint32_t riffSize = 0;
    std::memcpy(&riffSize, bytes.data() + 4, 4);
    EXPECT_EQ(riffSize, bytes.size() - 8);
    // The odd frame is padded; its size says 3.
    const auto movi = text.find("movi");
    ASSERT_NE(movi, std::string::npos);
    EXPECT_EQ(text.substr(movi + 4, 4), "00dc");
    EXPECT_EQ(bytes[movi + 8], 3);
    EXPECT_EQ(text.substr(movi + 16, 4), "00dc");
    // The index points at each chunk from the "movi" tag.
    const auto idx1 = text.find("idx1");
    ASSERT_NE(idx1, std::string::npos);
    std::uint32_t second = 0;
    std::memcpy(&second, bytes.data() + idx1 + 8 + 16 + 8, 4);
    EXPECT_EQ(second, 16u);
    std::uint32_t microseconds = 0;
    std::memcpy(&microseconds, bytes.data() + text.find("avih") + 8, 4);
    EXPECT_EQ(microseconds, 200000u);
}

TEST(AuMediaPlayback, ClipPlaysToItsEndAndItsFramesReachTheDisplay) {
    EnsureApplication();
    TempFolder folder;
    const auto path = folder.File("clip.avi");
    WriteFileBytes(path, TestClip());
    auto object = MakeObject(okMediaPlayer, 209, 185);
    TAuMedia media(*object, nullptr);
    media.show();
    int ends = 0;
    auto& device = media.Device();
    const auto previousEnd = device.OnEnd;
    device.OnEnd = [&] {
        ++ends;
        previousEnd();
    };
    media.Media().Loop = false;
    media.OpenFile(path);
    ASSERT_FALSE(media.OpenFailed());
    media.PlayMedia();
    QElapsedTimer timer;
    timer.start();
    while (ends == 0 && timer.elapsed() < 15000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(ends, 1);
    EXPECT_NEAR(static_cast<double>(media.Device().Length()), 1000.0, 150.0);
#ifdef _WIN32
    // Windows plays a clip through the multimedia control interface without its picture.
    EXPECT_FALSE(media.Device().HasVideo());
    EXPECT_EQ(media.Display()->FramesShown(), 0);
#else
    EXPECT_GT(media.Display()->FramesShown(), 0);
    EXPECT_TRUE(media.Device().HasVideo());
    // The last frame shown: the bar at the right over green.
    const QImage frame = media.Display()->Frame();
    ASSERT_FALSE(frame.isNull());
    EXPECT_GT(qGreen(frame.pixel(2, 24)), 120);
    EXPECT_LT(qRed(frame.pixel(2, 24)), 60);
#endif
    // After the end only Play is left.
    media.Tick();
    EXPECT_EQ(media.Device().Mode(), platform::TMediaMode::Stopped);
}

TEST(AuMediaPlayback, MissingOrDamagedFileSetsTheFlagQuietly) {
    EnsureApplication();
    TempFolder folder;
    WriteFileBytes(folder.File("junk.avi"), {'R', 'I', 'F', 'F', 0, 0});
    auto object = MakeObject(okMediaPlayer, 209, 185);
    TAuMedia media(*object, nullptr);
    media.OpenFile(folder.File("missing.avi"));
    EXPECT_TRUE(media.OpenFailed());
    media.OpenFile(folder.File("junk.avi"));
    media.PlayMedia();
    QElapsedTimer timer;
    timer.start();
    while (!media.OpenFailed() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(media.OpenFailed());
    media.Tick();
    EXPECT_EQ(media.Display()->FramesShown(), 0);
}

} // namespace
} // namespace brelvane::test
