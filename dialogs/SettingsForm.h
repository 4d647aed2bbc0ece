#pragma once

#include "dialogs/ActionContext.h"
#include "storage/ProjectSettings.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace brelvane {

class TColorBox;

// Asks for a font, starting at `font`; true and `font` replaced when chosen.
using TFontPrompt = std::function<bool(QWidget* owner, TFont& font)>;
// Opens the image editor on `picture`; true and `picture` replaced on a change.
using TImagePrompt = std::function<bool(QWidget* owner, TPicture& picture)>;

// The tab names of a stored tab list (one per line).
std::vector<std::string> TabSheetNames(const std::string& list);

// "Project Options": the project-wide settings, edited on a private copy.
class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    struct TServices {
        TFontPrompt ChooseFont;
        TImagePrompt EditImage;
        // Shows the program's hints in the customized balloon of `hint`, or
        // with null in the platform's own tooltips again.
        std::function<void(const THintSettings* hint)> InstallHint;
    };

    // `subPages` are the names of the project's sub pages in project order.
    TSettingsForm(QWidget* owner, const TSettings& settings, std::vector<std::string> subPages,
                  const TActionContext& context, TServices services);
    // The platform's tooltips come back whatever way the dialog closed.
    ~TSettingsForm() override;

    bool Modified() const { return modified_; }
    // The edited copy, its tab list as the dialog shows it.
    TSettings Result() const;

    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* TitleEdit() const { return title_; }
    QComboBox* StyleBox() const { return style_; }
    QGroupBox* NotebookGroup() const { return notebook_; }
    QListWidget* TabList() const { return tabList_; }
    QListWidget* AvailableList() const { return available_; }
    QTreeWidget* InstallList() const { return installs_; }
    QCheckBox* UseHintBox() const { return useHint_; }
    QPushButton* Button(const QString& caption) const;

protected:
    // A click on the back image preview opens the image editor.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildApplicationTab();
    QWidget* BuildStartupTab();
    QWidget* BuildHintTab();
    void FillTabPages(const std::vector<std::string>& subPages);
    void Move(QListWidget* from, QListWidget* to);
    void Swap(int step);
    void ShowInstall(int row);
    void AddInstall();
    void EditInstall();
    void DeleteInstall();
    void ClearInstalls();
    void ShowFont(QPushButton* panel, const TFont& font);
    void PickFont(QPushButton* panel, TFont& font);
    void PickBackImage();
    void ShowBackImage();
    void UpdateEnabling();
    void Changed() { modified_ = true; }
    // A hint field changed: the dialog's own hints show it at once.
    void HintChanged();
    void ApplyHint();

    TSettings copy_;
    const TActionContext& context_;
    TServices services_;
    bool modified_ = false;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* title_ = nullptr;
    QComboBox* style_ = nullptr;
    QGroupBox* notebook_ = nullptr;
    QPushButton* tabFont_ = nullptr;
    QListWidget* tabList_ = nullptr;
    QListWidget* available_ = nullptr;
    QTreeWidget* installs_ = nullptr;
    QCheckBox* useHint_ = nullptr;
    std::vector<QGroupBox*> hintGroups_;
    QPushButton* hintFont_ = nullptr;
    QLabel* backImage_ = nullptr;
};

// True when accepted after a change; `settings` then takes the edited copy.
bool EditProjectOptions(QWidget* owner, TSettings& settings, std::vector<std::string> subPages,
                        const TActionContext& context, TSettingsForm::TServices services);

} // namespace brelvane
