#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QTextBrowser;

namespace brelvane {

// "What's New?": the rich text that comes with this version of the designer
// and the choice to see it again at the next start.
class TTipsForm : public QDialog {
    Q_OBJECT
public:
    // `askAgain` shows the check box; it stays hidden once the user has
    // switched the box off for this version.
    TTipsForm(QWidget* owner, const std::string& rtfBytes, bool askAgain);

    bool ShowOnStartup() const;
    QTextBrowser* Text() const { return text_; }
    QCheckBox* ShowCheck() const { return check_; }

private:
    QTextBrowser* text_ = nullptr;
    QCheckBox* check_ = nullptr;
};

} // namespace brelvane
