#pragma once

#include <QWidget>
#include <functional>

namespace brelvane {

// The small borderless "Please Wait..." window shown while a started
// program runs to its end.
class TWaitWindow : public QWidget {
    Q_OBJECT
public:
    TWaitWindow();

    // Shows the window, runs `work` 10 ms later while the user interface
    // keeps running, closes the window and returns the work's result.
    static int RunWhileShown(const std::function<int()>& work);
};

} // namespace brelvane
