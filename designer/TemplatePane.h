#pragma once

#include "designer/TemplateLibrary.h"
#include "designer/TemplatePreviews.h"
#include "objects/records/AutoObject.h"

#include <QListWidget>
#include <QWidget>
#include <functional>
#include <string>

class QTabBar;

namespace brelvane {

// The drag format of an object template: its path, a line break, its group.
inline constexpr char kTemplateMimeType[] = "application/x-brelvane-object-template";

// `ListView2`: the templates of one group; dragging an item carries its path
// and group to the editing surface.
class TTemplateList : public QListWidget {
    Q_OBJECT
public:
    explicit TTemplateList(QWidget* parent);
    std::string GroupFolder;
    std::string Group;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};

// The object template pane `PageControl2`: one tab per group of the library,
// the active group's templates with their previews, and the group commands of
// Tools > "Object Template". Every command changes the disk at once.
class TTemplatePane : public QWidget {
    Q_OBJECT
public:
    // `currentObjects` gives the objects of the page being edited (null without one).
    TTemplatePane(TTemplateLibrary library, std::function<TAutoObjects*()> currentObjects,
                  QWidget* parent);

    void FillTemplatePane(const std::string& folder);
    void ShowTemplateGroup();
    // Add Template Group..., Delete Template Group..., Add Selected Object To
    // Group, Delete Template Item.
    void CreateNewLibPage1Click();
    void DeleteLibPage1Click();
    void SaveObjectToLib1Click();
    void DeleteTemplateItem1Click();

    QTabBar* Tabs() const { return tabs_; }
    TTemplateList* ListView2() const { return listView2_; }
    // The active group's name and folder; "" without groups.
    std::string Group() const;
    std::string GroupFolder() const;
    const TPreviewSource& Previews() const { return previews_; }

private:
    void AddGroupTab(const std::string& name);
    void Park();

    TTemplateLibrary library_;
    std::function<TAutoObjects*()> currentObjects_;
    TPreviewSource previews_{TTemplateKind::Object};
    QTabBar* tabs_ = nullptr;
    TTemplateList* listView2_ = nullptr;
    QWidget* scrollBox4_ = nullptr;
    QWidget* sheet_ = nullptr;
    bool rebuilding_ = false;
};

} // namespace brelvane
