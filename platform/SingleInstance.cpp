#include "platform/SingleInstance.h"

#include <QLocalSocket>

namespace brelvane::platform {

namespace {
constexpr char kActivate[] = "activate\n";
constexpr char kDone[] = "done\n";
constexpr int kTimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), serverName_(PerUserName(name)) {}

bool SingleInstance::ActivateRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(kActivate);
    // The first instance answers once it has acted. Hanging up before that may drop
    // the request with the pipe (Wine does), and a request nobody read is no success.
    if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(kTimeoutMs))
        answer += socket.readAll();
    answer += socket.readAll();
    socket.disconnectFromServer();
    return answer.startsWith(kDone);
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
                if (client->readAll().startsWith("activate") && onActivate_) {
                    onActivate_();
                    client->write(kDone);
                    client->flush();
                }
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
