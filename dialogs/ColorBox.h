#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>
#include <optional>

namespace brelvane {

// Asks for a colour of the user's own, starting at `start`; nothing when the
// user cancels. Tests install scripted answers.
using TColorPrompt = std::function<std::optional<std::int32_t>(QWidget* owner, std::int32_t start)>;
// The platform colour dialog, opened full.
TColorPrompt DesktopColorPrompt();

// A Windows colour value (red in the low byte) of a plain colour.
std::int32_t ColorValueOf(const QColor& color);

// A drop-down of colours: "Custom..." first (it holds a colour outside the
// list and asks for a new one when chosen), then the standard, extended and
// system colours under their readable names, then "None".
class TColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr, TColorPrompt prompt = DesktopColorPrompt());

    std::int32_t Value() const;
    // Selects the listed entry of `value`, or the custom entry holding it.
    // Emits nothing.
    void SetValue(std::int32_t value);

signals:
    // The user chose a colour (also when it is the one shown before).
    void ValueChosen(std::int32_t value);

private:
    void Chosen(int index);
    void SetCustom(std::int32_t value);

    TColorPrompt prompt_;
    int shown_ = 0;
};

} // namespace brelvane
