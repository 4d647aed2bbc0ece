#pragma once

#include "dialogs/ActionContext.h"
#include "project/PageRecord.h"

#include <QDialog>
#include <QListWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brelvane {

class TItemActionPanel;

// The entries of the tool button editor; an entry dropped on another takes
// its place.
class TButtonList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void MoveRequested(int from, int to);

protected:
    void dropEvent(QDropEvent* event) override;
};

// "Tool Bar Buttons Editor": the page's tool buttons and separators as
// thumbnails at the tool bar's image size, each button with its caption,
// hint and action.
class TToolButtonsForm : public QDialog {
    Q_OBJECT
public:
    TToolButtonsForm(QWidget* owner, const TActionContext& context,
                     std::vector<TAuToolButton> buttons, QSize imageSize);

    const std::vector<TAuToolButton>& Buttons() const { return buttons_; }
    bool Modified() const { return modified_; }

    TButtonList* List() const { return list_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QLineEdit* HintEdit() const { return hint_; }
    QLabel* Image() const { return image_; }
    QPushButton* SelectImageButton() const { return selectImage_; }
    TItemActionPanel* ActionPanel() const { return action_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* AddSeparatorButton() const { return addSeparator_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }
    QPushButton* UpButton() const { return up_; }
    QPushButton* DownButton() const { return down_; }

    // Moves entry `from` to position `to`; it stays selected.
    void MoveEntry(int from, int to);

private:
    void Rebuild(int selected);
    void Select(int row);
    void Append(TAuToolButton button);
    void DeleteSelected();
    void ClearEntries();
    void UpdateControls();
    // The image editor on the selected button's picture.
    void EditPicture();

    std::vector<TAuToolButton> buttons_;
    QSize imageSize_;
    bool modified_ = false;
    TButtonList* list_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QLineEdit* hint_ = nullptr;
    QLabel* image_ = nullptr;
    QPushButton* selectImage_ = nullptr;
    TItemActionPanel* action_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* addSeparator_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
};

// A thumbnail: the picture (with its colour key) stretched over a tile of
// `background`; a blank tile without a picture.
QImage ButtonThumbnail(const TPicture& picture, QSize size, const QColor& background);

// Edits the page's tool buttons; true when accepted after a change, the
// buttons then being copied back in order. A button that cannot be copied
// is reported and nothing is changed.
bool EditToolButtons(QWidget* owner, const TActionContext& context,
                     std::vector<TAuToolButton>& buttons, QSize imageSize);

} // namespace brelvane
