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
            // The request may come with the connection, or be seen only as the
            // other side hangs up (Windows' pipes): it is read whenever it is there.
            const auto answer = [this, client] {
                if (client->bytesAvailable() == 0) return;
                if (client->readAll().startsWith("activate") && onActivate_) onActivate_();
                client->disconnectFromServer();
            };
            connect(client, &QLocalSocket::readyRead, this, answer);
            connect(client, &QLocalSocket::disconnected, this, [answer, client] {
                answer();
                client->deleteLater();
            });
            answer();
        }
    });
    return true;
}

} // namespace brelvane::platform
