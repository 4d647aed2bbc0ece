#pragma once

#include "objects/records/Command.h"
#include "storage/ByteStream.h"
#include "storage/Fields.h"

#include <string>

namespace brelvane {

// The two combined strings in which the stored form carries most fields.
std::string PackStringA(const TCommand& command);
std::string PackStringB(const TCommand& command);
void UnpackStringA(const std::string& packed, TCommand& command);
void UnpackStringB(const std::string& packed, TCommand& command);

// The fields each packed string carries, for a walk over the record.
bool PackedAFields(TFieldWalker& walker, TCommand& command);
bool PackedBFields(TFieldWalker& walker, TCommand& command);

// A packed string: written from the fields it carries, unpacked into them
// when read. `Stored`, when set, receives the string as it was read.
struct TPackedString : TFieldAdapter {
    TCommand& Command;
    std::string (*Pack)(const TCommand&);
    void (*Unpack)(const std::string&, TCommand&);
    bool (*Carried)(TFieldWalker&, TCommand&);
    std::string* Stored = nullptr;

    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            std::string packed;
            if (!ar(name, packed)) return false;
            Unpack(packed, Command);
            if (Stored) *Stored = std::move(packed);
            return true;
        } else if constexpr (kWriting<Archive>) {
            return ar(name, Pack(Command));
        } else {
            return Carried(ar, Command);
        }
    }
};

inline TPackedString PackedA(TCommand& command) {
    return {{}, command, PackStringA, UnpackStringA, PackedAFields};
}
inline TPackedString PackedB(TCommand& command, std::string* stored) {
    return {{}, command, PackStringB, UnpackStringB, PackedBFields, stored};
}

// `packedB`, when given, receives the stored packed string B, whose emptiness
// decides whether a graphic comment picture follows the record.
template <class Archive>
bool Fields(Archive& ar, TCommand& command, std::string* packedB = nullptr) {
    return ar("ActionType", command.ActionType) && ar("ShowCommand", command.ShowCommand) &&
           ar("PackedA", PackedA(command)) && ar("ActionFile", command.ActionFile) &&
           ar("ActionParams", command.ActionParams) && ar("ActionDir", command.ActionDir) &&
           ar("CloseAfterAction", command.CloseAfterAction) &&
           ar("ClickSound", command.ClickSound) && ar("MouseDownSound", command.MouseDownSound) &&
           ar("MouseUpSound", command.MouseUpSound) &&
           ar("MouseEnterSound", command.MouseEnterSound) &&
           ar("MouseLeaveSound", command.MouseLeaveSound) && ar("Cursor", command.Cursor) &&
           ar("PackedB", PackedB(command, packedB));
}

bool WriteCommand(TStream& stream, const TCommand& command);
bool ReadCommand(TStream& stream, TCommand& command, std::string* packedB = nullptr);

// A command record followed by a graphic comment picture that is stored only
// when the record's packed string B is not empty. Writers always store the
// picture: their own packing never leaves packed string B empty.
struct TCommandAnnouncing : TFieldAdapter {
    TCommand& Command;
    bool& CommentFollows;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            std::string packedB;
            if (!TransferRecord(ar, Command, &packedB)) return false;
            CommentFollows = !packedB.empty();
            return true;
        } else {
            return ar(name, Command);
        }
    }
};
inline TCommandAnnouncing CommandAnnouncing(TCommand& command, bool& commentFollows) {
    return {{}, command, commentFollows};
}

struct TAnnouncedComment : TFieldAdapter {
    TPicture& Comment;
    const bool& Follows;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if (!kReading<Archive> || Follows) return ar(name, Comment);
        Comment.Clear();
        return true;
    }
};
inline TAnnouncedComment AnnouncedComment(TPicture& comment, const bool& follows) {
    return {{}, comment, follows};
}

} // namespace brelvane
