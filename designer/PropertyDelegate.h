#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace brelvane {

class TPropertyEditor;

// The cell editors of the seven row editors and the drawing of the list
// (`ValueEditDrawCell`): section icons, colour swatches, fonts in their own
// face, disabled rows and the default cursor.
class TPropertyDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TPropertyDelegate(TPropertyEditor& editor);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The open cell editor's text; empty when none is open.
    QWidget* OpenEditor() const { return open_; }
    QString EditorText() const;
    void SetEditorText(const QString& text) const;
    // Closes the open editor without applying it again.
    void CloseEditor();

private:
    void PaintName(QPainter* painter, const QStyleOptionViewItem& option, int row) const;
    void PaintValue(QPainter* painter, const QStyleOptionViewItem& option, int row) const;

    TPropertyEditor& editor_;
    mutable QPointer<QWidget> open_;
};

} // namespace brelvane
