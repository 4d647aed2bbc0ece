#pragma once

#include <QLineEdit>

namespace brelvane {

// `Edit1`: a one-line edit outside the surface window that holds the keyboard
// focus while the user works on the surface. It turns keys into surface
// commands and keeps no text. It claims no shortcut, so the Edit menu's
// shortcuts (Ctrl+C, Ctrl+V, Ctrl+Del …) reach the menu, which a line edit
// would otherwise take for its own editing.
class TKeySink : public QLineEdit {
    Q_OBJECT
public:
    explicit TKeySink(QWidget* parent);

signals:
    void DeletePressed();
    // Ctrl + arrow key.
    void MoveRequested(int dx, int dy);
    // Shift + arrow key.
    void SizeRequested(int dw, int dh);
    // Ctrl or Shift released: the position and size rows show the new values.
    void ModifierReleased();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace brelvane
