#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "player/PlayerProject.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>
#include <zlib.h>

namespace brelvane::test {
namespace {

// A 16 x 16 PNG whose header is sound and whose compressed pixels are not
// (the chunk's checksum is made to fit, so only decoding finds it).
TPicture PngWithDamagedPixels() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    std::vector<std::uint8_t> bytes(encoded.begin(), encoded.end());
    const auto tag =
        std::search(bytes.begin(), bytes.end(), std::begin("IDAT"), std::begin("IDAT") + 4);
    EXPECT_NE(tag, bytes.end());
    const auto at = static_cast<std::size_t>(tag - bytes.begin());
    const std::size_t length = std::size_t{bytes[at - 4]} << 24 | std::size_t{bytes[at - 3]} << 16 |
                               std::size_t{bytes[at - 2]} << 8 | bytes[at - 1];
    for (std::size_t i = at + 6; i < at + 4 + length; ++i)
        bytes[i] = static_cast<std::uint8_t>(0x5A ^ i);
    const auto crc =
        static_cast<std::uint32_t>(crc32(0, &bytes[at], static_cast<uInt>(length + 4)));
    for (int k = 0; k < 4; ++k)
        bytes[at + 4 + length + static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(crc >> (24 - 8 * k));
    return {TPictureKind::Png, bytes};
}

TEST(DamagedPicture, IsReportedOnceWhenFirstDrawnAndThePageOpens) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    const auto damaged = PngWithDamagedPixels();
    // The same picture twice on the page and as its background.
    for (const int left : {10, 120}) {
        auto& image =
            static_cast<TImagePayload&>(*AddObjectRecord(page.Objects, okImage, left, 10)->Payload);
        image.ImageNormal = damaged;
    }
    page.BackImage = damaged;
    project.AddPage(page);

    ErrorCollector errors;
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    QApplication::processEvents();
    form.resize(form.width() + 20, form.height() + 10);
    form.repaint();
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "The data is damaged or incomplete. (Error Code: 0/1056).");
}

} // namespace
} // namespace brelvane::test
