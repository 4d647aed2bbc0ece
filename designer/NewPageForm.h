#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

class QRadioButton;

namespace brelvane {

// How a new page starts.
enum class TNewPageSource { Blank, Template, Duplicate };

// "New Page": the kind of the page to add and what it starts from.
class TNewPageForm : public QDialog {
    Q_OBJECT
public:
    // `exists` tells whether the project already has a page of a kind.
    TNewPageForm(QWidget* owner, const std::function<bool(std::uint8_t kind)>& exists);

    std::uint8_t Kind() const;
    TNewPageSource Source() const;
    QRadioButton* KindButton(std::uint8_t kind) const;
    QRadioButton* SourceButton(TNewPageSource source) const;

private:
    std::vector<std::pair<std::uint8_t, QRadioButton*>> kinds_;
    std::vector<std::pair<TNewPageSource, QRadioButton*>> sources_;
};

} // namespace brelvane
