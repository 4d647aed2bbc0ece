// CPU time of the player showing a page of ten scrolling texts, as a share of
// one core. The program writes such a project into a temporary base folder and
// measures the player on it. Needs a display (Xvfb will do).
#include "PlayerCpu.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextPayload.h"
#include "project/PageRecord.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kTexts = 10;
constexpr int kSettleSeconds = 3;

TPageRecord TenScrollTexts() {
    TPageRecord page;
    page.Caption = "Ten scroll texts";
    page.PageName = "Main Page";
    page.PageKind = pkMainPage;
    page.Width = 1060;
    page.Height = 420;
    page.BackColor = RGB(0x20, 0x30, 0x60);
    for (int i = 0; i < kTexts; ++i) {
        auto* object =
            AddObjectRecord(page.Objects, okScrollText, 10 + (i % 5) * 210, 10 + (i / 5) * 200);
        auto& payload = static_cast<TScrollTextPayload&>(*object->Payload);
        payload.Width = 200;
        payload.Height = 190;
        payload.RepeatDelay = 0;
        payload.ScrollDelay = 20 + 10 * (i % 5);
        for (int line = 0; line < 12; ++line)
            payload.Text.Lines += "Scroll text " + std::to_string(i + 1) + ", line " +
                                  std::to_string(line + 1) + "\r\n";
    }
    return page;
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    char pattern[] = "/tmp/brelvane-scroll-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    const fs::path base = pattern;
    const auto share =
        brelvane::bench::WriteOnePageProject(base, TenScrollTexts(), "Scroll text load")
            ? brelvane::bench::PlayerCpuShare(base, BRELVANE_PLAYER, kSettleSeconds, seconds)
            : std::nullopt;
    fs::remove_all(base);
    if (!share) return 1;
    std::printf("player with %d scroll texts: %.2f %% of one core over %.1f s\n", kTexts,
                share->Percent, share->Seconds);
    return 0;
}
