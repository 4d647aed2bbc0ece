#pragma once

#include "designer/TemplateLibrary.h"
#include "designer/TemplatePreviews.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabBar;

namespace brelvane {

// "Page Templates": the picker of a page template, or the manager of the
// page template library (add the current page, rename, preview, delete).
class TSelectPageForm : public QDialog {
    Q_OBJECT
public:
    // Manager mode when `addCurrentPage` is given: it writes the designer's
    // current page to a path and says whether that worked.
    TSelectPageForm(QWidget* owner, TTemplateLibrary library, int tab,
                    std::function<bool(const std::string& path)> addCurrentPage = {});

    // The folder of the active tab.
    const std::string& Folder() const { return folder_; }
    bool ManagerMode() const { return static_cast<bool>(addCurrentPage_); }
    bool Confirmed() const { return confirmed_; }
    // Folder + "/" + the selected caption once confirmed; empty otherwise.
    std::string Result() const;

    void RefreshTemplateList();
    void OkClick();
    void AddClick();
    void RenameClick();
    void DeleteClick();
    void PreviewClick();

    QTabBar* PageControl1() const { return pageControl1_; }
    QListWidget* ListView1() const { return listView1_; }
    QPushButton* Button(const char* name) const;
    const TPreviewSource& Previews() const { return previews_; }

private:
    void TabChanged();
    void SelectionChanged();
    void CaptionEdited(QListWidgetItem* item);
    void EditEnded();
    QListWidgetItem* SelectedItem() const;

    TTemplateLibrary library_;
    std::function<bool(const std::string&)> addCurrentPage_;
    std::string folder_;
    bool confirmed_ = false;
    bool refreshing_ = false;
    TPreviewSource previews_{TTemplateKind::Page};
    QTabBar* pageControl1_ = nullptr;
    QListWidget* listView1_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* panel4_ = nullptr;
    QLabel* panel5_ = nullptr;
};

// The picker: the chosen template's path, or "" when none was chosen.
std::string PickPageTemplate(QWidget* owner, const TTemplateLibrary& library,
                             std::uint8_t pageKind);

// The manager, opened on "Normal".
void ManagePageTemplates(QWidget* owner, const TTemplateLibrary& library,
                         std::function<bool(const std::string& path)> addCurrentPage);

} // namespace brelvane
