#include "objects/records/CommandStream.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace brelvane {

namespace {
constexpr char kPieceEnd = '\x01';
constexpr char kSelectSeparator = '\x02';

char Flag(bool value) {
    return value ? 'Y' : ' ';
}

// Appends each flag as its letter and the piece byte.
void AppendFlags(std::string& packed, std::initializer_list<bool> flags) {
    for (const bool flag : flags) {
        packed += Flag(flag);
        packed += kPieceEnd;
    }
}

// Hands out the pieces of a packed string that end with the piece byte.
class PieceReader {
public:
    explicit PieceReader(std::string_view text) : text_(text) {}
    // The next complete piece, or false when its end byte is missing.
    bool Next(std::string& piece) {
        const auto end = text_.find(kPieceEnd, position_);
        if (end == std::string_view::npos) return false;
        piece.assign(text_.substr(position_, end - position_));
        position_ = end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};
} // namespace

std::string PackStringB(const TCommand& command) {
    std::string packed;
    for (const auto* field :
         {&command.Name, &command.Comment, &command.CommentViewer, &command.GraphicCommentViewer}) {
        packed += *field;
        packed += kPieceEnd;
    }
    return packed;
}

std::string PackStringA(const TCommand& command) {
    const std::array selects{&command.SelectForOpenRun, &command.SelectForOpenRunParams,
                             &command.SelectForOpenRunDir, &command.SelectForOpenRunWait};
    // Every item of a list packs this: one allocation, not one per piece.
    std::size_t size = command.GroupName.size() + 16;
    for (const auto* field : selects)
        size += field->size();
    std::string packed;
    packed.reserve(size);
    for (const auto* field : selects) {
        packed += *field;
        packed += kSelectSeparator;
    }
    packed += kPieceEnd;
    AppendFlags(packed, {command.WindowMoveHandle, command.Enabled, command.Visible});
    packed += command.GroupName;
    packed += kPieceEnd;
    AppendFlags(packed, {command.CheckStyleInGroup, command.Checked});
    return packed;
}

void UnpackStringB(const std::string& packed, TCommand& command) {
    const std::array fields{&command.Name, &command.Comment, &command.CommentViewer,
                            &command.GraphicCommentViewer};
    for (auto* field : fields)
        field->clear();
    PieceReader pieces(packed);
    for (auto* field : fields)
        if (!pieces.Next(*field)) return;
}

void UnpackStringA(const std::string& packed, TCommand& command) {
    const std::array selects{&command.SelectForOpenRun, &command.SelectForOpenRunParams,
                             &command.SelectForOpenRunDir, &command.SelectForOpenRunWait};
    for (auto* field : selects)
        field->clear();
    command.WindowMoveHandle = false;
    command.Enabled = true;
    command.Visible = true;
    command.GroupName.clear();
    command.CheckStyleInGroup = false;
    command.Checked = false;

    PieceReader pieces(packed);
    std::string piece;
    if (!pieces.Next(piece)) return;
    // The first piece holds the four open/run strings, each ended by byte 02.
    std::size_t start = 0;
    for (auto* field : selects) {
        const auto end = piece.find(kSelectSeparator, start);
        if (end == std::string::npos) {
            field->assign(piece, start);
            break;
        }
        field->assign(piece, start, end - start);
        start = end + 1;
    }
    for (bool* flag : {&command.WindowMoveHandle, &command.Enabled, &command.Visible}) {
        if (!pieces.Next(piece)) return;
        *flag = piece == "Y";
    }
    if (!pieces.Next(command.GroupName)) return;
    for (bool* flag : {&command.CheckStyleInGroup, &command.Checked}) {
        if (!pieces.Next(piece)) return;
        *flag = piece == "Y";
    }
}

bool PackedAFields(TFieldWalker& walker, TCommand& command) {
    return walker("SelectForOpenRun", command.SelectForOpenRun) &&
           walker("SelectForOpenRunParams", command.SelectForOpenRunParams) &&
           walker("SelectForOpenRunDir", command.SelectForOpenRunDir) &&
           walker("SelectForOpenRunWait", command.SelectForOpenRunWait) &&
           walker("WindowMoveHandle", command.WindowMoveHandle) &&
           walker("Enabled", command.Enabled) && walker("Visible", command.Visible) &&
           walker("GroupName", command.GroupName) &&
           walker("CheckStyleInGroup", command.CheckStyleInGroup) &&
           walker("Checked", command.Checked);
}

bool PackedBFields(TFieldWalker& walker, TCommand& command) {
    return walker("Name", command.Name) && walker("Comment", command.Comment) &&
           walker("CommentViewer", command.CommentViewer) &&
           walker("GraphicCommentViewer", command.GraphicCommentViewer);
}

bool WriteCommand(TStream& stream, const TCommand& command) {
    return WriteRecord(stream, command);
}

bool ReadCommand(TStream& stream, TCommand& command, std::string* packedB) {
    return ReadRecord(stream, command, packedB);
}

} // namespace brelvane
