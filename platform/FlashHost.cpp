#include "platform/FlashHost.h"

#include "platform/LoopbackServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace brelvane::platform {

namespace {
constexpr char kEngineScript[] = "ruffle.js";

std::optional<QString>& FolderOverride() {
    static std::optional<QString> folder;
    return folder;
}

bool HoldsEngine(const QString& folder) {
    return !folder.isEmpty() && QFile::exists(QDir(folder).filePath(kEngineScript));
}

// One server for the process, with the engine listed once.
LoopbackServer* Server(const QString& engineFolder) {
    static std::unique_ptr<LoopbackServer> server;
    static QString listed;
    if (!server) {
        server = std::make_unique<LoopbackServer>();
        if (!server->Start()) {
            server.reset();
            return nullptr;
        }
    }
    if (listed != engineFolder) {
        QDirIterator files(engineFolder, QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString name = "ruffle/" + files.fileName();
            server->ListFile(name, path, LoopbackServer::ContentTypeOf(name));
        }
        listed = engineFolder;
    }
    return server.get();
}

// The host page: the engine's settings, then a player filling the page.
QByteArray HostPage(const QJsonObject& config, const QString& movieUrl) {
    const QByteArray json = QJsonDocument(config).toJson(QJsonDocument::Compact);
    return R"(<!doctype html>
<html><head><meta charset="utf-8"><style>
html, body { margin: 0; height: 100%; overflow: hidden; background: transparent; }
#player { width: 100%; height: 100%; display: block; }
</style>
<script>window.RufflePlayer = window.RufflePlayer || {}; window.RufflePlayer.config = )" +
           json + R"(;</script>
<script src="ruffle/ruffle.js"></script></head>
<body><script>
const movie = )" +
           QJsonDocument(QJsonObject{{"url", movieUrl}}).toJson(QJsonDocument::Compact) +
           R"(.url;
const player = window.RufflePlayer.newest().createPlayer();
player.id = "player";
document.body.appendChild(player);
player.addEventListener("loadedmetadata", () => { window.brelvaneMovie = player.metadata; });
if (movie) player.ruffle().load({ url: movie }).catch((e) => { window.brelvaneError = String(e); });
</script></body></html>
)";
}
} // namespace

QString FlashEngineFolder() {
    if (FolderOverride()) return HoldsEngine(*FolderOverride()) ? *FolderOverride() : QString();
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("ruffle");
    if (HoldsEngine(beside)) return beside;
    const QString named = qEnvironmentVariable("BRELVANE_RUFFLE_DIR");
    return HoldsEngine(named) ? named : QString();
}

void SetFlashEngineFolder(std::optional<QString> folder) {
    FolderOverride() = std::move(folder);
}

QUrl FlashHostPage(const FlashMovieSettings& settings) {
    const QString engine = FlashEngineFolder();
    if (engine.isEmpty()) return {};
    LoopbackServer* server = Server(engine);
    if (!server) return {};
    static int movies = 0;
    const QString id = QString::number(++movies);
    QString movieUrl;
    const QString name = "movie-" + id + ".swf";
    const QByteArray type = LoopbackServer::ContentTypeOf(name);
    if (!settings.MovieBytes.isEmpty())
        movieUrl = server->ListBytes(name, settings.MovieBytes, type).toString();
    else if (!settings.MovieFile.trimmed().isEmpty())
        movieUrl = server->ListFile(name, settings.MovieFile, type).toString();
    const QJsonObject config{{"autoplay", "on"},
                             {"unmuteOverlay", "hidden"},
                             {"splashScreen", false},
                             {"warnOnUnsupportedContent", false},
                             {"letterbox", "on"},
                             {"contextMenu", settings.ContextMenu ? "on" : "off"},
                             {"menu", settings.ContextMenu},
                             {"publicPath", server->UrlOf("ruffle/").toString()}};
    const QString page = "flash-" + id + ".html";
    return server->ListBytes(page, HostPage(config, movieUrl), LoopbackServer::ContentTypeOf(page));
}

} // namespace brelvane::platform
