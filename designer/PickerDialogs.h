#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace brelvane {

// The two questions the pickers put to the user; tests install scripted answers.
class TPickerDialogs {
public:
    virtual ~TPickerDialogs() = default;
    // A folder chosen in a browser titled `title`; with a root, nothing outside
    // it can be chosen. Nothing when cancelled.
    virtual std::optional<std::string> BrowseFolder(QWidget* owner, const QString& title,
                                                    const std::string& root,
                                                    const std::string& preselect) = 0;
    // A file chosen in an open-file dialog with a filter of the form
    // "Description (*.a;*.b)|*.a;*.b|…", starting at `start` (a file or a folder).
    virtual std::optional<std::string> OpenFile(QWidget* owner, const QString& filter,
                                                const std::string& start) = 0;
};

// The dialogs shown to a person: the folder browser and Qt's open-file dialog.
std::unique_ptr<TPickerDialogs> CreateDesktopPickerDialogs();

// "Name (*.a)|*.a|…" as Qt's "Name (*.a);;…".
QString QtFileFilter(const QString& filter);

} // namespace brelvane
