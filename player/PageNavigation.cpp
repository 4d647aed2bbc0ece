// Moving between pages: "Goto Page", modal sub pages and the notebook.
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "player/PlayerEnvironment.h"
#include "player/StillImage.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "storage/StringBlock.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace brelvane {

namespace {
const TAutoFormInfo* FindEntry(const std::string& name) {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return nullptr;
    for (const auto& entry : project->Pages)
        if (entry->Name == name) return entry.get();
    return nullptr;
}

// A tab icon: the page's icon, or the application's, on a white square.
QIcon TabIcon(const TPicture& pageIcon, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QImage icon = StillImage(pageIcon);
    if (!icon.isNull())
        painter.drawImage(image.rect(), icon);
    else
        painter.drawPixmap(image.rect(), QApplication::windowIcon().pixmap(size, size));
    return QIcon(QPixmap::fromImage(image));
}
} // namespace

void TAutoRunForm::RequestNavigation(const std::string& name) {
    pendingPage_ = name;
    navigationPending_ = true;
    timer2_.start();
}

bool TAutoRunForm::ShowPage(const std::string& name, TPageReadMode mode) {
    if (!FindEntry(name)) return false;
    if (mode == TPageReadMode::Replace) return BuildPage(name, TPageReadMode::Replace);

    auto page = std::make_unique<TAutoRunForm>();
    page->TestRun = TestRun;
    page->ExitAll = false;
    page->Owner = this;
    if (!page->BuildPage(name, TPageReadMode::Build)) return false;
    const bool loop = page_.StartSoundLoop;
    page_.StartSoundLoop = false;
    StopAllSounds();
    // This window fades out first; the sub page runs once it has.
    QEventLoop fading;
    bool faded = false;
    CloseStep([&] {
        faded = true;
        fading.quit();
    });
    if (!faded) fading.exec();
    page->ShowModal();
    const bool exitAll = page->ExitAll;
    page.reset();
    page_.StartSoundLoop = loop;
    if (!exitAll) {
        PrepareAppearance();
        PlayStartSound();
    }
    return exitAll;
}

void TAutoRunForm::BuildNotebook() {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return;
    const auto& settings = project->Settings;
    delete notebook_;
    notebook_ = new QTabBar(this);
    notebook_->setFont(ToQFont(settings.TabFont));
    notebook_->setExpanding(false);
    const int iconSize = settings.IconSize;
    if (settings.ShowSheetIcons) notebook_->setIconSize(QSize(iconSize, iconSize));
    layout_->insertWidget(layout_->indexOf(surface_), notebook_);

    const auto addTab = [&](const QString& caption, int entryIndex, const TPicture& icon) {
        const int tab = settings.ShowSheetIcons
                            ? notebook_->addTab(TabIcon(icon, iconSize), caption)
                            : notebook_->addTab(caption);
        notebook_->setTabData(tab, entryIndex);
    };
    TPageTitle title;
    const auto& source = PlayerEnvironment().Source;
    const bool mainTitled =
        !project->Pages.empty() && ReadPageTitle(source, *project->Pages.front(), title);
    addTab(mainTitled ? FromAnsi(title.Caption) : windowTitle(), 0, title.PageIcon);

    // The first sub page of that name gets a tab; false when its page cannot
    // be read (it has reported once).
    const auto addSubPageTab = [&](const std::string& line) {
        for (std::size_t i = 0; i < project->Pages.size(); ++i) {
            const auto& entry = *project->Pages[i];
            if (entry.Kind != pkSubPage || entry.Name != line) continue;
            TPageTitle subTitle;
            if (!ReadPageTitle(source, entry, subTitle)) return false;
            addTab(FromAnsi(subTitle.Caption), static_cast<int>(i), subTitle.PageIcon);
            return true;
        }
        return true;
    };
    // A page that cannot be read ends the tabs; those built so far still navigate.
    for (const auto& line : SplitLines(settings.TabSheetList))
        if (!addSubPageTab(line)) break;
    const auto trimmed = QString(FromAnsi(settings.ApplicationTitle)).trimmed();
    setWindowIcon(QApplication::windowIcon());
    if (!trimmed.isEmpty()) setWindowTitle(trimmed);
    connect(notebook_, &QTabBar::currentChanged, this, [this](int tab) {
        const auto* environmentProject = PlayerEnvironment().Project;
        const int index = notebook_->tabData(tab).toInt();
        if (!environmentProject || index < 0 ||
            index >= static_cast<int>(environmentProject->Pages.size()))
            return;
        RequestNavigation(environmentProject->Pages[static_cast<std::size_t>(index)]->Name);
    });
}

} // namespace brelvane
