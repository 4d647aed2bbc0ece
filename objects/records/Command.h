#pragma once

#include "storage/FieldRecord.h"

#include <cstdint>
#include <string>

namespace brelvane {

enum : int { kWriteCommandError = 1079, kReadCommandError = 1080 };

// One record with two roles: the action of a page, tool button, menu item or
// list item, and the common property record of every page object.
struct TCommand {
    static constexpr TRecordCodes Codes{kWriteCommandError, kReadCommandError};
    std::uint8_t ActionType = 0;
    std::int32_t ShowCommand = 1;
    std::string ActionFile;
    std::string ActionParams;
    std::string ActionDir;
    std::uint8_t CloseAfterAction = 0;
    std::string ClickSound;
    std::string MouseDownSound;
    std::string MouseUpSound;
    std::string MouseEnterSound;
    std::string MouseLeaveSound;
    std::string Cursor;
    std::string Name;
    std::string Comment;
    // Run time only: the viewer's text saved on hover entry.
    std::string SavedViewerText;
    std::string CommentViewer;
    std::string GraphicCommentViewer;
    std::string SelectForOpenRun;
    std::string SelectForOpenRunParams;
    std::string SelectForOpenRunDir;
    std::string SelectForOpenRunWait = " ";
    bool WindowMoveHandle = false;
    bool Enabled = true;
    bool Visible = true;
    std::string GroupName;
    bool CheckStyleInGroup = false;
    bool Checked = false;

    bool operator==(const TCommand&) const = default;
};

} // namespace brelvane
