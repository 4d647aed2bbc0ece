#include "platform/LoopbackServer.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>

namespace brelvane::platform {

namespace {
QString NewToken() {
    QByteArray bytes(16, '\0');
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return QString::fromLatin1(bytes.toHex());
}
} // namespace

LoopbackServer::LoopbackServer(QObject* parent)
    : QObject(parent), server_(new QTcpServer(this)), token_(NewToken()) {
    connect(server_, &QTcpServer::newConnection, this, &LoopbackServer::OnConnection);
}

LoopbackServer::~LoopbackServer() = default;

bool LoopbackServer::Start() {
    return server_->isListening() || server_->listen(QHostAddress::LocalHost, 0);
}

bool LoopbackServer::Listening() const {
    return server_->isListening();
}

QUrl LoopbackServer::UrlOf(const QString& name) const {
    QUrl url;
    url.setScheme("http");
    url.setHost("127.0.0.1");
    url.setPort(server_->serverPort());
    url.setPath("/" + token_ + "/" + name);
    return url;
}

QUrl LoopbackServer::ListFile(const QString& name, const QString& file,
                              const QByteArray& contentType) {
    entries_.insert(name, {file, {}, contentType});
    return UrlOf(name);
}

QUrl LoopbackServer::ListBytes(const QString& name, const QByteArray& bytes,
                               const QByteArray& contentType) {
    entries_.insert(name, {{}, bytes, contentType});
    return UrlOf(name);
}

void LoopbackServer::Unlist(const QString& name) {
    entries_.remove(name);
}

QByteArray LoopbackServer::ContentTypeOf(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == "wasm") return "application/wasm";
    if (suffix == "js") return "text/javascript";
    if (suffix == "html") return "text/html; charset=utf-8";
    if (suffix == "swf") return "application/x-shockwave-flash";
    return "application/octet-stream";
}

void LoopbackServer::OnConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackServer::OnReadable(QTcpSocket* socket) {
    // The request head is taken whole; the body of a request is never needed.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) {
        if (head.size() > kMaxRequestHead) {
            Send(socket, "404 Not Found", "text/plain", "not found", true);
            return;
        }
        socket->setProperty("head", head);
        return;
    }
    socket->setProperty("head", QByteArray());
    const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
    if (words.size() != 3) {
        Send(socket, "404 Not Found", "text/plain", "not found", true);
        return;
    }
    Answer(socket, words[0], words[1]);
}

void LoopbackServer::Answer(QTcpSocket* socket, const QByteArray& method,
                            const QByteArray& target) {
    const bool head = method == "HEAD";
    const QByteArray prefix = "/" + token_.toLatin1() + "/";
    const QByteArray path =
        target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
    const auto found = (method == "GET" || head) && path.startsWith(prefix)
                           ? entries_.constFind(QUrl::fromPercentEncoding(path.mid(prefix.size())))
                           : entries_.constEnd();
    if (found == entries_.constEnd()) {
        Send(socket, "404 Not Found", "text/plain", "not found", !head);
        return;
    }
    QByteArray body = found->Bytes;
    if (!found->File.isEmpty()) {
        QFile file(found->File);
        if (!file.open(QIODevice::ReadOnly)) {
            Send(socket, "404 Not Found", "text/plain", "not found", !head);
            return;
        }
        body = file.readAll();
    }
    Send(socket, "200 OK", found->ContentType, body, !head);
}

void LoopbackServer::Send(QTcpSocket* socket, const QByteArray& status, const QByteArray& type,
                          const QByteArray& body, bool withBody) {
    QByteArray reply = "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                       "\r\nContent-Length: " + QByteArray::number(body.size()) +
                       "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n";
    if (withBody) reply += body;
    socket->write(reply);
    socket->disconnectFromHost();
}

} // namespace brelvane::platform
