#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace brelvane {

// One "Include Pages" row of the New Project dialog.
struct TNewPageRow {
    std::uint8_t Kind = 0;
    QCheckBox* Include = nullptr;
    QCheckBox* Blank = nullptr;
    QPushButton* SelectTemplate = nullptr;
    QLineEdit* TemplateName = nullptr;
    std::string TemplatePath;
    // The template the row starts from: none while "Blank Page" is ticked.
    std::string ChosenTemplate() const;
};

// "New Project": the base folder and the pages to include.
class TNewProjectForm : public QDialog {
    Q_OBJECT
public:
    // `browse` asks for a folder ("Select Project Folder"), `pickTemplate` for
    // a page template of a kind; each gives "" when cancelled.
    TNewProjectForm(QWidget* owner, const std::string& folder,
                    std::function<std::string(const std::string& preselect)> browse,
                    std::function<std::string(std::uint8_t kind)> pickTemplate);

    std::string Folder() const;
    // The included rows in creation order: Main, Splash, Background,
    // Agreement, Security, Exit.
    std::vector<const TNewPageRow*> IncludedRows() const;
    QLineEdit* FolderBox() const { return edit1_; }
    TNewPageRow& Row(std::uint8_t kind);

    void accept() override;

private:
    QLineEdit* edit1_ = nullptr;
    std::array<TNewPageRow, 6> rows_;
    std::function<std::string(const std::string&)> browse_;
    std::function<std::string(std::uint8_t)> pickTemplate_;
};

} // namespace brelvane
