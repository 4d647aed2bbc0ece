#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace brelvane {

// "New Object Template Group": the name of a new group, 1 to 20 characters
// without leading or trailing blanks, not yet a folder of the library.
class TNewLibPageForm : public QDialog {
    Q_OBJECT
public:
    TNewLibPageForm(QWidget* owner, std::string objectsFolder);

    // The trimmed name once confirmed.
    std::string GroupName() const;
    QLineEdit* Edit1() const { return edit1_; }

    void accept() override;

private:
    std::string objectsFolder_;
    QLineEdit* edit1_ = nullptr;
};

} // namespace brelvane
