#pragma once

#include "DesignerFixture.h"
#include "designer/EditForm.h"
#include "designer/PageHost.h"
#include "designer/SurfaceImage.h"
#include "designer/SurfaceObjects.h"
#include "player/AutoRunForm.h"
#include "project/PageStream.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace brelvane::test {

// A new project shown on screen, its main page on the surface and the key
// sink holding the focus.
struct SurfaceFixture : DesignerFixture {
    SurfaceFixture() {
        NewProject();
        Form->show();
        Form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        Surface().FocusKeySink();
    }

    TEditForm& Surface() { return *Form->EditForm(); }
    QWidget* Image() { return Surface().Image1Widget(); }
    TAutoObjects& Objects() { return Form->Host().Model()->Page().Objects; }
    // Chooses a menu command; opening the menu first recomputes what is enabled.
    void Trigger(const char* action) {
        Form->Edit1Click();
        Form->Action(action)->trigger();
    }

    // Adds an object with its tool button at `at`; returns the new object.
    TAutoObject& Add(const char* button, QPoint at) {
        Trigger(button);
        QTest::mouseClick(Image(), Qt::LeftButton, {}, at);
        const auto selected = SelectedObjects(Objects());
        EXPECT_EQ(selected.size(), 1u);
        return *selected.front();
    }
    // A shape placed exactly, whatever the grid.
    TAutoObject& Shape(const TBounds& bounds) {
        auto& shape = Add("ToolButton_Shape", {bounds.Left + 1, bounds.Top + 1});
        SetBounds(shape, bounds);
        Surface().RepaintSurface();
        return shape;
    }
    void Press(QPoint at, Qt::KeyboardModifiers modifiers = {},
               Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Image(), button, modifiers, at);
    }
    void MoveTo(QPoint at) { QTest::mouseMove(Image(), at); }
    void Release(QPoint at, Qt::KeyboardModifiers modifiers = {},
                 Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(Image(), button, modifiers, at);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        Press(from, modifiers);
        MoveTo(to);
        Release(to, modifiers);
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Image(), Qt::LeftButton, modifiers, at);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Surface().KeySink(), static_cast<Qt::Key>(key), modifiers);
    }
    void SetSnap(bool snap) {
        if (Form->Settings().SnapToGrid != snap) Form->ToggleSnapToGrid();
    }

    std::vector<std::string> ObjectNames() const {
        std::vector<std::string> names;
        for (const auto& object : Form->Host().Model()->Page().Objects)
            names.push_back(object->Props.Name);
        return names;
    }
    std::vector<std::string> SelectedNames() const {
        std::vector<std::string> names;
        for (const auto* object : SelectedObjects(Form->Host().Model()->Page().Objects))
            names.push_back(object->Props.Name);
        return names;
    }
    std::vector<std::uint8_t> PageBytes() {
        TMemoryStream stream;
        EXPECT_TRUE(WritePage(stream, Form->Host().Model()->Page()));
        return stream.Bytes();
    }
};

} // namespace brelvane::test
