#include "designer/GroupList.h"

#include "render/AnsiText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <algorithm>

namespace brelvane {

namespace {
constexpr int kBoxLeft = 8;
constexpr int kBoxStep = 18;
constexpr int kBoxTop = 4;
constexpr int kBoxWidth = 120;

QWidget* ControlOf(const TAutoObject& object) {
    return dynamic_cast<QWidget*>(object.Control.get());
}

bool InGroups(const TAutoObject& object, const std::vector<std::string>& groups) {
    return std::find(groups.begin(), groups.end(), object.Props.GroupName) != groups.end();
}
} // namespace

bool VisibleDiffersInGroups(const TAutoObjects& objects, const std::vector<std::string>& groups,
                            bool value) {
    return std::any_of(objects.begin(), objects.end(), [&](const auto& object) {
        return InGroups(*object, groups) && object->Props.Visible != value;
    });
}

void SetVisibleInGroups(TAutoObjects& objects, const std::vector<std::string>& groups, bool value) {
    for (auto& object : objects)
        if (InGroups(*object, groups)) object->Props.Visible = value;
}

TGroupList::TGroupList(std::function<TAutoObjects*()> currentObjects, QWidget* parent)
    : QWidget(parent), currentObjects_(std::move(currentObjects)) {
    setObjectName("ScrollBox5");
    setMinimumHeight(21);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel8 = new QWidget(this);
    panel8->setObjectName("Panel8");
    panel8->setToolTip("For Design Time Only");
    auto* header = new QHBoxLayout(panel8);
    header->setContentsMargins(4, 1, 1, 1);
    header->addWidget(new QLabel("Show Objects In Group", panel8), 1);
    speedButton1_ = new QToolButton(panel8);
    speedButton1_->setObjectName("SpeedButton1");
    speedButton1_->setText("Show All");
    speedButton1_->setAutoRaise(true);
    header->addWidget(speedButton1_);
    layout->addWidget(panel8);
    scrollBox6_ = new QScrollArea(this);
    scrollBox6_->setObjectName("ScrollBox6");
    scrollBox6_->setWidgetResizable(false);
    boxHolder_ = new QWidget;
    boxHolder_->setAutoFillBackground(true);
    boxHolder_->setPalette(QPalette(Qt::white));
    scrollBox6_->setWidget(boxHolder_);
    scrollBox6_->setPalette(QPalette(Qt::white));
    layout->addWidget(scrollBox6_, 1);
    connect(speedButton1_, &QToolButton::clicked, this, &TGroupList::ShowAll);
}

QCheckBox* TGroupList::Box(const std::string& group) const {
    const auto at = std::find(names_.begin(), names_.end(), group);
    return at == names_.end() ? nullptr : boxes_[static_cast<std::size_t>(at - names_.begin())];
}

void TGroupList::RebuildGroupList() {
    rebuilding_ = true;
    for (auto* box : boxes_)
        delete box;
    boxes_.clear();
    const auto* objects = currentObjects_ ? currentObjects_() : nullptr;
    names_ = objects ? GroupNamesOf(*objects) : std::vector<std::string>{};
    const auto& names = names_;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // Shown as typed: an ampersand is no mnemonic here.
        auto* box = new QCheckBox(FromAnsi(names[i]).replace('&', "&&"), boxHolder_);
        box->setGeometry(kBoxLeft, kBoxStep * static_cast<int>(i) + kBoxTop, kBoxWidth, 17);
        // The first object of the group tells the state of all.
        const auto first = std::find_if(objects->begin(), objects->end(), [&](const auto& object) {
            return object->Props.GroupName == names[i];
        });
        const auto* control = ControlOf(**first);
        box->setChecked(control && !control->isHidden());
        connect(box, &QCheckBox::clicked, this, [this, i] { GroupBoxClick(i); });
        box->show();
        boxes_.push_back(box);
    }
    boxHolder_->resize(kBoxLeft + kBoxWidth + 4,
                       kBoxStep * static_cast<int>(names.size()) + 2 * kBoxTop);
    rebuilding_ = false;
}

void TGroupList::GroupBoxClick(std::size_t index) {
    auto* objects = currentObjects_ ? currentObjects_() : nullptr;
    if (rebuilding_ || !objects || index >= boxes_.size()) return;
    const bool shown = boxes_[index]->isChecked();
    for (auto& object : *objects) {
        object->Selected = false;
        if (object->Props.GroupName != names_[index]) continue;
        if (auto* control = ControlOf(*object)) control->setVisible(shown);
    }
    emit DesignViewChanged();
}

void TGroupList::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit Shown();
}

void TGroupList::ShowAll() {
    if (auto* objects = currentObjects_ ? currentObjects_() : nullptr)
        for (auto& object : *objects)
            if (auto* control = ControlOf(*object)) control->show();
    RebuildGroupList();
    emit DesignViewChanged();
}

} // namespace brelvane
