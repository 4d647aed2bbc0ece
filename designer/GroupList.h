#pragma once

#include "dialogs/SelectGroupForm.h"
#include "objects/records/AutoObject.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QScrollArea;
class QToolButton;

namespace brelvane {

// Whether some object of the named groups has a stored Visible other than
// `value`; then sets the stored Visible of every object of those groups.
bool VisibleDiffersInGroups(const TAutoObjects& objects, const std::vector<std::string>& groups,
                            bool value);
void SetVisibleInGroups(TAutoObjects& objects, const std::vector<std::string>& groups, bool value);

// The group list `ScrollBox5`: one box per group of the page being edited,
// hiding or showing the group's controls at design time only. Nothing it does
// reaches a record, so nothing of it is saved.
class TGroupList : public QWidget {
    Q_OBJECT
public:
    // `currentObjects` gives the objects of the page being edited (null without one).
    TGroupList(std::function<TAutoObjects*()> currentObjects, QWidget* parent);

    void RebuildGroupList();
    void ShowAll();
    const std::vector<QCheckBox*>& Boxes() const { return boxes_; }
    QCheckBox* Box(const std::string& group) const;
    QToolButton* SpeedButton1() const { return speedButton1_; }

signals:
    // The design view must be drawn anew: controls were shown or hidden.
    void DesignViewChanged();
    // The pane became visible.
    void Shown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void GroupBoxClick(std::size_t index);

    std::function<TAutoObjects*()> currentObjects_;
    QScrollArea* scrollBox6_ = nullptr;
    QWidget* boxHolder_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    std::vector<QCheckBox*> boxes_;
    std::vector<std::string> names_;
    bool rebuilding_ = false;
};

} // namespace brelvane
