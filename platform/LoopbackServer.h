#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace brelvane::platform {

// A small HTTP server on 127.0.0.1 for the embedded browser, which cannot
// fetch engine code or movies from files. It listens on a free port and
// answers GET and HEAD for the paths it lists, all under a random token;
// anything else gets 404.
class LoopbackServer : public QObject {
    Q_OBJECT
public:
    explicit LoopbackServer(QObject* parent = nullptr);
    ~LoopbackServer() override;

    // False when no port could be had.
    bool Start();
    bool Listening() const;

    // Serves `file` at `name` (a relative path such as "ruffle/ruffle.js");
    // returns the full address.
    QUrl ListFile(const QString& name, const QString& file, const QByteArray& contentType);
    QUrl ListBytes(const QString& name, const QByteArray& bytes, const QByteArray& contentType);
    void Unlist(const QString& name);

    // The address of `name`, listed or not.
    QUrl UrlOf(const QString& name) const;
    const QString& Token() const { return token_; }

    // The content type by file name: wasm, JavaScript, HTML, SWF, else bytes.
    static QByteArray ContentTypeOf(const QString& name);

    // Requests are read up to this size; a longer head is refused.
    static constexpr int kMaxRequestHead = 16 * 1024;

private:
    struct Entry {
        QString File;
        QByteArray Bytes;
        QByteArray ContentType;
    };
    void OnConnection();
    void OnReadable(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QByteArray& method, const QByteArray& target);
    static void Send(QTcpSocket* socket, const QByteArray& status, const QByteArray& type,
                     const QByteArray& body, bool withBody);

    QTcpServer* server_;
    QString token_;
    QHash<QString, Entry> entries_;
};

} // namespace brelvane::platform
