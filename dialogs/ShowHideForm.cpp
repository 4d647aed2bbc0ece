#include "dialogs/ShowHideForm.h"

#include "dialogs/DialogSupport.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr const char* kGroupCaptions[] = {
    "Show Group:", "Hide Group:", "Enable Group:", "Disable Group:"};
constexpr const char* kObjectCaptions[] = {"Check Objects to Show:", "Check Objects to Hide:",
                                           "Check Objects to Enable:", "Check Objects to Disable:"};

void SetAllChecked(QListWidget* list, Qt::CheckState state) {
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(state);
}
} // namespace

TShowHideForm::TShowHideForm(QWidget* owner, const TActionContext& context, const std::string& text)
    : QDialog(owner) {
    setObjectName("ShowHideForm");
    setWindowTitle("Show/Hide Enabe/Disable Objects");
    QStringList groups;
    QStringList objects;
    QSet<QString> seenGroups;
    for (const auto& object : context.Objects) {
        objects << ShownText(object.Name);
        const auto group = ShownText(object.GroupName);
        if (!group.isEmpty() && !seenGroups.contains(group)) {
            seenGroups.insert(group);
            groups << group;
        }
    }
    auto* layout = new QVBoxLayout(this);
    const std::pair<const char*, const char* const*> sections[] = {
        {"By Group Name", kGroupCaptions}, {"By Object Name", kObjectCaptions}};
    int index = 0;
    for (const auto& [title, captions] : sections) {
        auto* box = new QGroupBox(title, this);
        auto* row = new QHBoxLayout(box);
        const auto& names = index == 0 ? groups : objects;
        for (int column = 0; column < 4; ++column, ++index)
            row->addWidget(ListColumn(box, captions[column], names, index));
        layout->addWidget(box);
    }
    AddOkCancel(this, layout, "&Cancal");

    const auto ticked = ParseShowHideLists(text);
    for (int list = 0; list < kShowHideListCount; ++list) {
        QSet<QString> wanted;
        for (const auto& name : ticked.Names[list])
            wanted.insert(ShownText(name));
        for (int row = 0; row < lists_[list]->count(); ++row) {
            auto* item = lists_[list]->item(row);
            if (wanted.contains(item->text())) item->setCheckState(Qt::Checked);
        }
    }
}

QWidget* TShowHideForm::ListColumn(QWidget* parent, const QString& caption,
                                   const QStringList& names, int index) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget(column);
    list->setObjectName(QString("ShowHideList%1").arg(index));
    list->setUniformItemSizes(true);
    list->addItems(names);
    for (int row = 0; row < list->count(); ++row) {
        auto* item = list->item(row);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    lists_[index] = list;
    auto* checkAll = new QPushButton("Check All", column);
    auto* uncheckAll = new QPushButton("Uncheck All", column);
    connect(checkAll, &QPushButton::clicked, this, [list] { SetAllChecked(list, Qt::Checked); });
    connect(uncheckAll, &QPushButton::clicked, this,
            [list] { SetAllChecked(list, Qt::Unchecked); });
    layout->addWidget(new QLabel(caption, column));
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkAll);
    buttons->addWidget(uncheckAll);
    layout->addLayout(buttons);
    return column;
}

std::string TShowHideForm::Text() const {
    TShowHideLists lists;
    for (int list = 0; list < kShowHideListCount; ++list)
        for (int row = 0; row < lists_[list]->count(); ++row) {
            const auto* item = lists_[list]->item(row);
            if (item->checkState() == Qt::Checked)
                lists.Names[list].push_back(StoredText(item->text()));
        }
    return ComposeShowHideLists(lists);
}

bool EditShowHideAction(QWidget* owner, const TActionContext& context, std::string& text) {
    TShowHideForm form(owner, context, text);
    return AcceptChangedText(form, text);
}

} // namespace brelvane
