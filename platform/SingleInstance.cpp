#include "platform/SingleInstance.h"

#include <QLocalSocket>

namespace brelvane::platform {

namespace {
constexpr char kActivate[] = "activate\n";
constexpr int kTimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), serverName_(PerUserName(name)) {}

bool SingleInstance::ActivateRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen(std::function<void()> onActivate) {
    onActivate_ = std::move(onActivate);
    if (!server_.listen(serverName_)) {
        // A socket left behind by a crashed instance: nobody answered on it.
        QLocalServer::removeServer(serverName_);
        if (!server_.listen(serverName_)) return false;
    }
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_.nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().startsWith("activate") && onActivate_) onActivate_();
                client->disconnectFromServer();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace brelvane::platform
