#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace brelvane {

// Runs `act` on the next modal dialog once it is open.
inline void OnNextDialog(std::function<void(QWidget*)> act) {
    auto attempt = std::make_shared<std::function<void()>>();
    *attempt = [act, attempt] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            act(dialog);
            return;
        }
        QTimer::singleShot(5, *attempt);
    };
    QTimer::singleShot(0, *attempt);
}

} // namespace brelvane
