#include "designer/PropertyDelegate.h"

#include "designer/FontForm.h"
#include "designer/PropertyEditor.h"
#include "designer/PropertyValues.h"
#include "render/AnsiText.h"
#include "render/SystemColors.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QValidator>

namespace brelvane {

namespace {
constexpr int kCaptionIndent = 17;
constexpr int kSwatchSize = 16;
constexpr int kDropDownRows = 16;

// Refuses characters that a project cannot store, so that what is shown is what is stored.
class TStorableTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return IsStorableText(input) ? Acceptable : Invalid;
    }
};

// Free or read-only text with the ellipsis button of file and dialog rows.
class TEllipsisEdit : public QWidget {
public:
    TEllipsisEdit(QWidget* parent, bool readOnly, bool ellipsis) : QWidget(parent) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        Edit = new QLineEdit(this);
        Edit->setObjectName("ValueText");
        Edit->setFrame(false);
        Edit->setReadOnly(readOnly);
        layout->addWidget(Edit, 1);
        if (ellipsis) {
            Button = new QToolButton(this);
            Button->setObjectName("EllipsisButton");
            Button->setText("...");
            Button->setFocusPolicy(Qt::NoFocus);
            layout->addWidget(Button);
        }
        setFocusProxy(Edit);
    }
    QLineEdit* Edit = nullptr;
    QToolButton* Button = nullptr;
};

QLineEdit* LineEditOf(QWidget* editor) {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) return line;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) return combo->lineEdit();
    if (auto* ellipsis = dynamic_cast<TEllipsisEdit*>(editor)) return ellipsis->Edit;
    return nullptr;
}

QColor SectionColor(TRowSection section) {
    switch (section) {
    case TRowSection::Position:
        return QColor(40, 120, 200);
    case TRowSection::Action:
        return QColor(200, 80, 40);
    case TRowSection::Sounds:
        return QColor(130, 60, 170);
    case TRowSection::Comment:
        return QColor(230, 170, 30);
    case TRowSection::Visibility:
        return QColor(40, 150, 80);
    case TRowSection::Bars:
        return QColor(90, 90, 90);
    case TRowSection::Effect:
        return QColor(210, 60, 140);
    case TRowSection::Shadow:
        return QColor(60, 60, 60);
    case TRowSection::Background:
        return QColor(20, 160, 170);
    case TRowSection::None:
        break;
    }
    return {};
}

const char* SectionLetter(TRowSection section) {
    constexpr const char* letters[] = {"", "P", "A", "S", "C", "V", "B", "E", "S", "B"};
    return letters[static_cast<int>(section)];
}

} // namespace

TPropertyDelegate::TPropertyDelegate(TPropertyEditor& editor)
    : QStyledItemDelegate(&editor), editor_(editor) {}

QWidget* TPropertyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    const int row = index.row();
    if (index.column() != 1 || row < 0 || row >= static_cast<int>(editor_.Rows().size()))
        return nullptr;
    const auto& property = editor_.Rows()[static_cast<std::size_t>(row)];
    if (!property.Editable() || property.Look == TRowLook::Disabled) return nullptr;
    auto* editor = &editor_;
    QWidget* widget = nullptr;
    switch (property.Editor) {
    case TRowEditor::Choice: {
        auto* combo = new QComboBox(parent);
        combo->addItems(property.Offered());
        combo->setMaxVisibleItems(kDropDownRows);
        connect(combo, &QComboBox::activated, editor, [editor, row, combo](int) {
            editor->ValueEditStringsChange(row, combo->currentText());
        });
        widget = combo;
        break;
    }
    case TRowEditor::Suggest: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(property.Offered());
        combo->setMaxVisibleItems(kDropDownRows);
        combo->lineEdit()->setValidator(new TStorableTextValidator(combo));
        connect(combo->lineEdit(), &QLineEdit::textEdited, editor,
                [editor, row](const QString& text) { editor->ValueEditStringsChange(row, text); });
        connect(combo, &QComboBox::activated, editor, [editor, row, combo](int) {
            editor->ValueEditStringsChange(row, combo->currentText());
        });
        widget = combo;
        break;
    }
    case TRowEditor::File:
    case TRowEditor::Dialog: {
        const bool dialog = property.Editor == TRowEditor::Dialog;
        auto* edit = new TEllipsisEdit(parent, dialog, property.HasEllipsis());
        edit->Edit->setValidator(new TStorableTextValidator(edit));
        if (!dialog)
            connect(edit->Edit, &QLineEdit::textEdited, editor, [editor, row](const QString& text) {
                editor->ValueEditStringsChange(row, text);
            });
        if (edit->Button)
            connect(edit->Button, &QToolButton::clicked, editor,
                    [editor, row] { editor->ValueEditEditButtonClick(row); });
        widget = edit;
        break;
    }
    case TRowEditor::Text:
    case TRowEditor::Number: {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        line->setValidator(new TStorableTextValidator(line));
        // Numbers and the page name are taken when the cell is left.
        if (property.Editor == TRowEditor::Text && !property.AppliedOnLeave)
            connect(line, &QLineEdit::textEdited, editor, [editor, row](const QString& text) {
                editor->ValueEditStringsChange(row, text);
            });
        widget = line;
        break;
    }
    case TRowEditor::Fixed:
        return nullptr;
    }
    widget->setObjectName("CellEditor");
    widget->setAutoFillBackground(true);
    open_ = widget;
    editor_.EditorOpened(row);
    return widget;
}

void TPropertyDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == open_) {
        open_ = nullptr;
        editor_.EditorClosed();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void TPropertyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const auto& rows = editor_.Rows();
    if (index.row() < 0 || index.row() >= static_cast<int>(rows.size())) return;
    const QString text = rows[static_cast<std::size_t>(index.row())].Text();
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && !combo->isEditable()) {
        combo->setCurrentIndex(combo->findText(text));
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setEditText(text);
        return;
    }
    if (auto* line = LineEditOf(editor); line && line->text() != text) line->setText(text);
}

void TPropertyDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                     const QModelIndex& index) const {
    const int row = index.row();
    const auto& rows = editor_.Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    const auto& property = rows[static_cast<std::size_t>(row)];
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && !combo->isEditable()) {
        editor_.ValueEditStringsChange(row, combo->currentText());
        return;
    }
    if (property.Editor == TRowEditor::Number || property.AppliedOnLeave)
        if (auto* line = LineEditOf(editor)) editor_.ValueEditValidate(row, line->text());
}

void TPropertyDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

QString TPropertyDelegate::EditorText() const {
    if (!open_) return {};
    if (auto* combo = qobject_cast<QComboBox*>(open_.data())) return combo->currentText();
    if (auto* line = LineEditOf(open_)) return line->text();
    return {};
}

void TPropertyDelegate::SetEditorText(const QString& text) const {
    if (!open_) return;
    if (auto* combo = qobject_cast<QComboBox*>(open_.data()); combo && !combo->isEditable())
        combo->setCurrentIndex(combo->findText(text));
    else if (auto* line = LineEditOf(open_))
        line->setText(text);
}

void TPropertyDelegate::CloseEditor() {
    if (open_) emit closeEditor(open_, QAbstractItemDelegate::NoHint);
}

void TPropertyDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const int row = index.row();
    if (row < 0 || row >= static_cast<int>(editor_.Rows().size())) return;
    painter->save();
    if (index.column() == 0)
        PaintName(painter, option, row);
    else
        PaintValue(painter, option, row);
    painter->restore();
}

void TPropertyDelegate::PaintName(QPainter* painter, const QStyleOptionViewItem& option,
                                  int row) const {
    const auto& property = editor_.Rows()[static_cast<std::size_t>(row)];
    const QRect rect = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(rect, selected ? option.palette.highlight() : option.palette.base());
    if (property.Section != TRowSection::None) {
        const QRect icon(rect.left() + 2, rect.top() + (rect.height() - 12) / 2, 12, 12);
        const QColor color = SectionColor(property.Section);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(color);
        painter->setPen(color.darker(140));
        painter->drawRoundedRect(QRectF(icon).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        QFont small = option.font;
        small.setPixelSize(9);
        small.setBold(true);
        painter->setFont(small);
        painter->setPen(Qt::white);
        painter->drawText(icon, Qt::AlignCenter, SectionLetter(property.Section));
    }
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->drawText(rect.adjusted(kCaptionIndent, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      property.Caption);
}

void TPropertyDelegate::PaintValue(QPainter* painter, const QStyleOptionViewItem& option,
                                   int row) const {
    const auto& property = editor_.Rows()[static_cast<std::size_t>(row)];
    const QRect rect = option.rect;
    const QRect text = rect.adjusted(3, 0, -2, 0);
    switch (property.Look) {
    case TRowLook::Disabled: {
        painter->fillRect(rect, QColor(230, 230, 230));
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(Qt::white);
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, "Disabled");
        return;
    }
    case TRowLook::Color: {
        painter->fillRect(rect, option.palette.base());
        // The swatch is 16 pixels square, its black frame included.
        const QRect swatch(text.left(), rect.top() + (rect.height() - kSwatchSize) / 2, kSwatchSize,
                           kSwatchSize);
        painter->fillRect(swatch, ResolveColor(property.Color()));
        painter->setPen(Qt::black);
        painter->drawRect(swatch.adjusted(0, 0, -1, -1));
        painter->setFont(option.font);
        painter->drawText(text.adjusted(kSwatchSize + 3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          property.Text());
        return;
    }
    case TRowLook::Font: {
        const TFont font = property.Font();
        // A white font could not be read on white.
        const bool white = ResolveColor(font.Color) == QColor(Qt::white);
        painter->fillRect(rect, white ? QColor(192, 192, 192) : option.palette.base().color());
        painter->setClipRect(rect);
        painter->setFont(ShownFont(font, option.font));
        painter->setPen(ResolveColor(font.Color));
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, property.Text());
        return;
    }
    case TRowLook::Cursor:
    case TRowLook::Plain:
        break;
    }
    painter->fillRect(rect, option.palette.base());
    QString shown = property.Text();
    if (property.Look == TRowLook::Cursor && shown.isEmpty()) shown = "[Default]";
    painter->setFont(option.font);
    painter->setPen(property.Editable() ? option.palette.text().color()
                                        : option.palette.placeholderText().color());
    painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, shown);
}

} // namespace brelvane
