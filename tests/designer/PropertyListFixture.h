#pragma once

#include "SurfaceFixture.h"
#include "designer/PropertyEditor.h"
#include "designer/PropertyRow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QTableWidget>
#include <algorithm>

namespace brelvane::test {

// The designer's property list on a new project, driven through its cells.
struct PropertyList : SurfaceFixture {
    TPropertyEditor& Editor() { return Form->PropertyEditor(); }
    QTableWidget& List() { return *Editor().ValueEdit(); }
    TPageRecord& Page() { return Form->Host().Model()->Page(); }
    const TPropertyRow& Row(const QString& caption) {
        const int at = Editor().RowOf(caption);
        EXPECT_GE(at, 0) << caption.toStdString();
        return Editor().Rows().at(static_cast<std::size_t>(std::max(at, 0)));
    }
    QString Shown(const QString& caption) {
        return List().item(Editor().RowOf(caption), 1)->text();
    }
    // Opens the cell editor of a row as a click would.
    QWidget* OpenCell(const QString& caption) {
        const int at = Editor().RowOf(caption);
        // Making the cell current opens its editor, as a click does.
        List().setCurrentCell(at, 1);
        if (!Editor().CellEditor()) List().editItem(List().item(at, 1));
        return Editor().CellEditor();
    }
    QLineEdit* TypeInto(const QString& caption, const QString& text) {
        auto* editor = OpenCell(caption);
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line)
            if (auto* combo = qobject_cast<QComboBox*>(editor)) line = combo->lineEdit();
        if (!line && editor) line = editor->findChild<QLineEdit*>("ValueText");
        EXPECT_NE(line, nullptr) << caption.toStdString();
        if (!line) return nullptr;
        line->selectAll();
        // Key by key, each with its text, as a keyboard of any language types.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(line, &press);
        }
        return line;
    }
    // Leaves the cell being edited by moving to the first row.
    void Leave() { List().setCurrentCell(0, 0); }
    void Choose(const QString& caption, const QString& value) {
        Editor().ValueEditStringsChange(Editor().RowOf(caption), value);
        QCoreApplication::processEvents();
    }
    bool SetNumber(const QString& caption, const QString& text) {
        return Editor().ValueEditValidate(Editor().RowOf(caption), text);
    }
    TAutoObject& Button() { return Add("ToolButton_Button", {100, 100}); }
};

} // namespace brelvane::test
