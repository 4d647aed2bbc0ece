#include "platform/LoopbackServer.h"

#include "platform/GuiApplication.h"
#include "storage/StorageTestSupport.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

using platform::LoopbackServer;

// Sends `request` to the server and returns everything it answers.
QByteArray Exchange(const LoopbackServer& server, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", static_cast<quint16>(server.UrlOf("x").port()));
    QByteArray reply;
    QElapsedTimer clock;
    clock.start();
    bool sent = false;
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!sent && socket.state() == QAbstractSocket::ConnectedState) {
            socket.write(request);
            sent = true;
        }
        reply += socket.readAll();
        if (sent && socket.state() == QAbstractSocket::UnconnectedState) break;
    }
    return reply + socket.readAll();
}

QByteArray Get(const LoopbackServer& server, const QByteArray& path,
               const QByteArray& method = "GET") {
    return Exchange(server, method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

TEST(LoopbackServer, ServesListedFilesAndBytesUnderItsTokenOnly) {
    EnsureGuiApplication();
    TempFolder folder;
    WriteFileBytes(folder.File("core.wasm"), {0, 'a', 's', 'm'});
    LoopbackServer server;
    ASSERT_TRUE(server.Start());
    const QUrl wasm =
        server.ListFile("engine/core.wasm", QString::fromStdString(folder.File("core.wasm")),
                        LoopbackServer::ContentTypeOf("core.wasm"));
    EXPECT_EQ(wasm.host(), "127.0.0.1");
    EXPECT_NE(wasm.port(), 0);
    EXPECT_GE(server.Token().size(), 32);
    EXPECT_EQ(wasm.path(), "/" + server.Token() + "/engine/core.wasm");
    server.ListBytes("page one.html", "<p>hi</p>", LoopbackServer::ContentTypeOf("a.html"));

    const QByteArray file = Get(server, wasm.path().toLatin1());
    EXPECT_TRUE(file.startsWith("HTTP/1.1 200 OK\r\n")) << file.constData();
    EXPECT_TRUE(file.contains("Content-Type: application/wasm\r\n"));
    EXPECT_TRUE(file.endsWith(QByteArray("\r\n\r\n") + QByteArray("\0asm", 4)));

    const QByteArray page = Get(server, "/" + server.Token().toLatin1() + "/page%20one.html?x=1");
    EXPECT_TRUE(page.startsWith("HTTP/1.1 200 OK\r\n"));
    EXPECT_TRUE(page.contains("Content-Type: text/html; charset=utf-8\r\n"));
    EXPECT_TRUE(page.endsWith("<p>hi</p>"));

    const QByteArray head = Get(server, wasm.path().toLatin1(), "HEAD");
    EXPECT_TRUE(head.contains("Content-Length: 4\r\n"));
    EXPECT_TRUE(head.endsWith("\r\n\r\n"));
}

TEST(LoopbackServer, AnswersEverythingElseWith404) {
    EnsureGuiApplication();
    TempFolder folder;
    LoopbackServer server;
    ASSERT_TRUE(server.Start());
    const QUrl gone = server.ListFile("gone.swf", QString::fromStdString(folder.File("gone.swf")),
                                      LoopbackServer::ContentTypeOf("gone.swf"));
    server.ListBytes("kept.js", "1;", LoopbackServer::ContentTypeOf("kept.js"));
    const QByteArray token = "/" + server.Token().toLatin1();
    const QList<QByteArray> requests{
        QByteArray("GET /kept.js HTTP/1.1\r\n\r\n"),                      // no token
        "GET /0123456789abcdef/kept.js HTTP/1.1\r\n\r\n",                 // another token
        "GET " + token + "/../kept.js HTTP/1.1\r\n\r\n",                  // not listed
        "POST " + token + "/kept.js HTTP/1.1\r\n\r\n",                    // another method
        "GET " + gone.path().toLatin1() + " HTTP/1.1\r\n\r\n",            // file missing
        QByteArray("nonsense\r\n\r\n"),                                   // no request line
        "GET /" + QByteArray(LoopbackServer::kMaxRequestHead + 10, 'a')}; // head too long
    for (const QByteArray& request : requests)
        EXPECT_TRUE(Exchange(server, request).startsWith("HTTP/1.1 404 Not Found\r\n"))
            << request.left(60).constData();
    server.Unlist("kept.js");
    EXPECT_TRUE(Get(server, token + "/kept.js").startsWith("HTTP/1.1 404"));
}

} // namespace
} // namespace brelvane::test
