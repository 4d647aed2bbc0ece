#pragma once

#include "objects/records/AutoObject.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace brelvane {

// The distinct non-empty group names of a page's objects, in order of first
// appearance, letter case counting.
std::vector<std::string> GroupNamesOf(const TAutoObjects& objects);

// "Select Groups": the page's group names to tick, under the caller's prompt.
class TSelectGroupForm : public QDialog {
    Q_OBJECT
public:
    TSelectGroupForm(QWidget* owner, const QString& prompt, const std::vector<std::string>& groups);

    // The ticked names in list order.
    std::vector<std::string> Ticked() const;

    QLabel* Prompt() const { return prompt_; }
    QListWidget* List() const { return list_; }
    QPushButton* CheckAllButton() const { return checkAll_; }
    QPushButton* UncheckAllButton() const { return uncheckAll_; }

private:
    void CheckAll(bool checked);

    QLabel* prompt_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* checkAll_ = nullptr;
    QPushButton* uncheckAll_ = nullptr;
};

// True when "&OK" was pressed; the ticked names are then appended to `chosen`.
bool SelectGroups(QWidget* owner, const QString& prompt, const std::vector<std::string>& groups,
                  std::vector<std::string>& chosen);

} // namespace brelvane
