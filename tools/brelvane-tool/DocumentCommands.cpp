// Commands about the document objects: the command a web view link runs, and
// the frames of an AVI clip.
#include "Commands.h"
#include "objects/records/LinkCommand.h"
#include "storage/avi/AviClip.h"
#include "storage/avi/AviFrameDecoder.h"

#include <QDir>
#include <QImage>
#include <cstdio>
#include <nlohmann/json.hpp>

namespace brelvane {

int RunLinkCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool link ADDRESS\n");
        return 2;
    }
    const auto command = ParseLinkCommand(args[0]);
    if (!command) {
        std::fprintf(stderr, "\"%s\" names no command\n", args[0].c_str());
        return 1;
    }
    const nlohmann::ordered_json json{{"ActionType", command->ActionType},
                                      {"ActionFile", command->ActionFile}};
    std::printf("%s\n",
                json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
    return 0;
}

int RunAviFramesCommand(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: brelvane-tool avi-frames FILE OUT_DIR\n");
        return 2;
    }
    std::string fault;
    const auto movie = LoadAviMovie(args[0], &fault);
    if (!movie) {
        std::fprintf(stderr, "\"%s\": %s\n", args[0].c_str(), fault.c_str());
        return 1;
    }
    const TAviClip& clip = movie->Clip;
    const QDir out(QString::fromStdString(args[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "\"%s\": cannot create the folder\n", args[1].c_str());
        return 1;
    }
    TAviFrameDecoder decoder(clip);
    for (std::size_t i = 0; i < clip.Frames.size(); ++i) {
        decoder.Decode(movie->FrameData(i));
        const QImage frame(reinterpret_cast<const uchar*>(decoder.Pixels().data()), decoder.Width(),
                           decoder.Height(), QImage::Format_RGB32);
        const QString name = out.filePath(QString("frame-%1.png").arg(i + 1, 3, 10, QChar('0')));
        if (!frame.save(name)) {
            std::fprintf(stderr, "\"%s\": cannot write the picture\n", name.toStdString().c_str());
            return 1;
        }
    }
    const nlohmann::ordered_json json{{"Width", clip.Width},
                                      {"Height", clip.Height},
                                      {"Frames", clip.Frames.size()},
                                      {"MicroSecPerFrame", clip.MicroSecPerFrame},
                                      {"Compression", clip.Compression}};
    std::printf("%s\n", json.dump(2).c_str());
    return 0;
}

} // namespace brelvane
