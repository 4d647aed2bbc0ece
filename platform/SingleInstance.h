#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace brelvane::platform {

// `name` with the user's identity added, so that each user has a name of their
// own (SingleInstance_posix.cpp, _win.cpp).
QString PerUserName(const QString& name);

// The designer runs once per user: a second start asks the first to come to
// the front and ends. A local socket stands in for looking up the window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` identifies the program ("Brelvane"); the user's id is added.
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);

    // True when another instance answered and was asked to come forward.
    bool ActivateRunningInstance() const;
    // Starts answering; `onActivate` runs when a later start asks.
    bool Listen(std::function<void()> onActivate);

    const QString& ServerName() const { return serverName_; }

private:
    QString serverName_;
    QLocalServer server_;
    std::function<void()> onActivate_;
};

} // namespace brelvane::platform
