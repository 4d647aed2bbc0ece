#pragma once

#include <QObject>
#include <cstdint>

class QWidget;

namespace brelvane {

// Places a control by its stored `Align` byte (0 none, 1 top, 2 bottom,
// 3 left, 4 right, 5 client): a docked control keeps to its edge of the
// page, or fills it, whenever the page's size changes. A docked edge keeps
// the control's own height (top, bottom) or width (left, right).
class TDocking final : public QObject {
public:
    TDocking(QWidget& control, std::uint8_t align);
    void SetAlign(std::uint8_t align);
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& control_;
    std::uint8_t align_;
};

} // namespace brelvane
