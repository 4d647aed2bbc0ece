#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/ActionArguments.h"

#include <QDialog>
#include <array>

class QListWidget;

namespace brelvane {

// "Show/Hide Enabe/Disable Objects": eight check lists, four of the page's
// group names and four of its object names.
class TShowHideForm : public QDialog {
    Q_OBJECT
public:
    TShowHideForm(QWidget* owner, const TActionContext& context, const std::string& text);

    // The ticked names list by list; names no longer on the page are gone.
    std::string Text() const;
    // In the order of the settings text: show, hide, enable, disable groups,
    // then show, hide, enable, disable objects.
    QListWidget* List(int index) const { return lists_[index]; }

private:
    QWidget* ListColumn(QWidget* parent, const QString& caption, const QStringList& names,
                        int index);

    std::array<QListWidget*, kShowHideListCount> lists_{};
};

// True (and `text` replaced) when accepted and the text differs.
bool EditShowHideAction(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
