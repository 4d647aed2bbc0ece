#include "designer/InitIconsForm.h"

#include "designer/TemplatePreviews.h"
#include "storage/SaveFile.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
constexpr int kLastSampleFolder = 12;
// Phases besides the groups: the page previews and the player copies.
constexpr int kFixedSteps = 5;

// Copies the program through a temporary file, so that a player being
// replaced is never half written; the copy can run (0755).
bool CopyProgram(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    try {
        if (!SaveFileAtomically(to, [&bytes](TStream& stream) {
                stream.Write(bytes.data(), bytes.size());
                return true;
            }))
            return false;
    } catch (const StreamError&) {
        return false;
    }
    std::error_code error;
    fs::permissions(to,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace, error);
    return !error;
}

// The window shows each step before the next one starts.
void Show(TInitIconsForm* progress) {
    if (progress) QApplication::processEvents();
}

void Step(QProgressBar* bar, int by = 1) {
    bar->setValue(bar->value() + by);
}

// Renders the preview of every template of `folder` anew, counting on the
// "Current:" bar up to the number of items less `shortBy`; returns how many
// could be rendered.
int RenderFolder(TInitIconsForm& form, TPreviewSource& previews, const std::string& folder,
                 int shortBy, TInitIconsForm* progress) {
    const auto items = TemplateItems(folder);
    form.ProgressBar2->setRange(0, std::max(static_cast<int>(items.size()) - shortBy, 0));
    form.ProgressBar2->setValue(0);
    int rendered = 0;
    for (const auto& name : items) {
        form.Label2->setText(QString::fromStdString(name));
        Step(form.ProgressBar2);
        Show(progress);
        if (!previews.Render(folder, name).isNull()) ++rendered;
    }
    return rendered;
}
} // namespace

TInitIconsForm::TInitIconsForm(QWidget* owner) : QDialog(owner) {
    setObjectName("InitIconsForm");
    setWindowTitle("Initialize System");
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint);
    setFixedSize(380, 130);
    auto* layout = new QGridLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName("ProgressBar2");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    for (auto* bar : {ProgressBar1, ProgressBar2}) {
        bar->setTextVisible(false);
        bar->setRange(0, 1);
        bar->setValue(0);
    }
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Label2, 1, 0, 1, 2);
    layout->addWidget(new QLabel("Current:", this), 2, 0);
    layout->addWidget(ProgressBar2, 2, 1);
    layout->addWidget(new QLabel("All:", this), 3, 0);
    layout->addWidget(ProgressBar1, 3, 1);
    if (const auto* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TInstallationReport InstallationRun(const std::string& programPath,
                                    const std::string& programFolder, TInitIconsForm* progress) {
    TInstallationReport report;
    TInitIconsForm scratch(nullptr);
    auto& form = progress ? *progress : scratch;
    const TTemplateLibrary library{programFolder + "/Templates"};
    const auto groups = TemplateGroups(library.ObjectsFolder());
    form.ProgressBar1->setRange(0, static_cast<int>(groups.size()) + kFixedSteps);
    form.ProgressBar1->setValue(0);

    TPreviewSource pages(TTemplateKind::Page);
    for (std::size_t tab = 0; tab < kPageTemplateTabs.size(); ++tab) {
        Step(form.ProgressBar1);
        form.Label1->setText("Page -> " +
                             QString::fromUtf8(kPageTemplateTabs[tab].data(),
                                               static_cast<int>(kPageTemplateTabs[tab].size())));
        report.PagePreviews +=
            RenderFolder(form, pages, library.PagesFolder(static_cast<int>(tab)), 0, progress);
    }

    TPreviewSource objects(TTemplateKind::Object);
    for (const auto& group : groups) {
        form.Label1->setText("Object -> " + QString::fromStdString(group));
        // This bar's maximum is one short of the items.
        report.ObjectPreviews +=
            RenderFolder(form, objects, library.GroupFolder(group), 1, progress);
        Step(form.ProgressBar1);
    }

    form.Label1->setText("Create Demos");
    form.ProgressBar2->setRange(0, kLastSampleFolder);
    form.ProgressBar2->setValue(0);
    Show(progress);
    for (const auto& folder : {programFolder, programFolder + "/CDROM"})
        if (CopyProgram(programPath, folder + "/autorun.exe")) ++report.PlayerCopies;
    for (int n = 0; n <= kLastSampleFolder; ++n) {
        form.Label2->setText("Demos -> SampleCD" + QString::number(n));
        form.ProgressBar2->setValue(n);
        Show(progress);
        const auto folder = programFolder + "/SampleCD" + std::to_string(n);
        std::error_code error;
        if (fs::is_directory(folder, error) && CopyProgram(programPath, folder + "/autorun.exe"))
            ++report.PlayerCopies;
    }
    return report;
}

} // namespace brelvane
