#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/ColorBox.h"
#include "dialogs/DialogSupport.h"
#include "objects/records/ActionArguments.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace brelvane {

// The slide show settings as the dialog reads them: fields in order up to the
// first missing separator, the rest at their defaults.
struct TSlideShowReading {
    TSlideShowArgument Settings;
    // The first number that is not decimal text; the dialog is not shown.
    std::optional<std::string> BadNumber;
};
TSlideShowReading ReadSlideShowSettings(const std::string& text);

// "Launch slide show": folder, timing, transition and music of a full-screen
// slide show.
class TLaunchSlideShowActionForm : public QDialog {
    Q_OBJECT
public:
    TLaunchSlideShowActionForm(QWidget* owner, const TActionContext& context,
                               const TSlideShowArgument& settings,
                               TColorPrompt colorPrompt = DesktopColorPrompt());

    std::string Text() const;
    TModifiedFlag& Modified() { return *modified_; }

    QLineEdit* FolderEdit() const { return folder_; }
    QCheckBox* LoopBox() const { return loop_; }
    QComboBox* StyleBox() const { return style_; }
    QComboBox* ImageStyleBox() const { return imageStyle_; }
    QSpinBox* StepSpin() const { return step_; }
    QSpinBox* StepDelaySpin() const { return stepDelay_; }
    QSpinBox* IntervalSpin() const { return interval_; }
    TColorBox* BackgroundBox() const { return background_; }
    QLineEdit* MusicEdit() const { return music_; }

private:
    void ChooseFolder();
    void ChooseMusic();

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QCheckBox* loop_ = nullptr;
    QComboBox* style_ = nullptr;
    QComboBox* imageStyle_ = nullptr;
    QSpinBox* step_ = nullptr;
    QSpinBox* stepDelay_ = nullptr;
    QSpinBox* interval_ = nullptr;
    TColorBox* background_ = nullptr;
    QLineEdit* music_ = nullptr;
};

// True (and `text` replaced) when accepted and modified. A number that is
// not decimal text is reported once and the dialog is not shown.
bool EditSlideShowAction(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
