#include "designer/PickerDialogs.h"

#include "designer/FolderBrowser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace brelvane {

namespace {
class DesktopPickerDialogs final : public TPickerDialogs {
public:
    std::optional<std::string> BrowseFolder(QWidget* owner, const QString& title,
                                            const std::string& root,
                                            const std::string& preselect) override {
        TFolderBrowser browser(owner, title, root, preselect);
        if (browser.exec() != QDialog::Accepted) return std::nullopt;
        return browser.SelectedFolder();
    }

    std::optional<std::string> OpenFile(QWidget* owner, const QString& filter,
                                        const std::string& start) override {
        const QString chosen = QFileDialog::getOpenFileName(
            owner, QString(), QString::fromStdString(start), QtFileFilter(filter));
        if (chosen.isEmpty()) return std::nullopt;
        return chosen.toStdString();
    }
};
} // namespace

std::unique_ptr<TPickerDialogs> CreateDesktopPickerDialogs() {
    return std::make_unique<DesktopPickerDialogs>();
}

QString QtFileFilter(const QString& filter) {
    const auto parts = filter.split('|');
    QStringList entries;
    // Descriptions at even places; each carries its patterns in parentheses.
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + (parts[i].contains('(') ? QString() : " (" + parts[i + 1] + ")");
    for (auto& entry : entries)
        entry.replace(';', ' ');
    return entries.join(";;");
}

} // namespace brelvane
