#pragma once

#include <QPushButton>
#include <cstdint>

namespace brelvane {

// A button that shows a colour value and lets the user pick another one.
class TColorSwatch : public QPushButton {
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget* parent = nullptr);
    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value);

signals:
    void Picked();

private:
    void Pick();
    std::int32_t value_ = 0;
};

} // namespace brelvane
