#pragma once

#include "objects/records/Command.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// The packed arguments that action dialogs write into `ActionFile`. Every
// piece, the last included, is followed by its separator; a trailing text
// without separator is not a piece.
inline constexpr char kPieceEnd = '\x01';
inline constexpr char kFileListEntryEnd = '\x02';
inline constexpr char kGroupFieldEnd = '\x03';
inline constexpr char kGroupCommandEnd = '\x04';

std::vector<std::string> SplitPieces(const std::string& text, char separator);
// Without surrounding blanks (spaces, tabs, line ends).
std::string Trimmed(const std::string& text);
// Decimal text with optional sign and surrounding blanks; nothing otherwise.
std::optional<std::int32_t> DecimalValue(const std::string& text);
// "Y" for true, a blank for false.
std::string YesMark(bool value);

// Syntax 1: one entry of an "Open/Run File" file list.
struct TFileListEntry {
    std::string File;
    std::string Parameters;
    std::string Folder;
    bool Wait = false;
};
bool IsFileList(const std::string& actionFile);
// Pieces missing in an entry are empty.
std::vector<TFileListEntry> ParseFileList(const std::string& actionFile);
// The wait flag is written "Y" or a blank.
std::string ComposeFileList(const std::vector<TFileListEntry>& entries);

// Syntax 2: "Load File with Object"; both pieces trimmed.
struct TLoadFileArgument {
    std::string ObjectName;
    std::string FileName;
    bool Complete() const { return !ObjectName.empty() && !FileName.empty(); }
};
TLoadFileArgument ParseLoadFile(const std::string& actionFile);
std::string ComposeLoadFile(const TLoadFileArgument& argument);

// Syntax 3: eight lists of names, in this order.
enum TShowHideList {
    shShowGroups,
    shHideGroups,
    shEnableGroups,
    shDisableGroups,
    shShowObjects,
    shHideObjects,
    shEnableObjects,
    shDisableObjects,
};
inline constexpr int kShowHideListCount = 8;
struct TShowHideLists {
    std::array<std::vector<std::string>, kShowHideListCount> Names;
    // How many lists had their separator; processing stops at the first missing one.
    int Present = 0;
    bool Complete() const { return Present == kShowHideListCount; }
};
TShowHideLists ParseShowHideLists(const std::string& actionFile);
// Every name ends with CR LF; all eight lists are written.
std::string ComposeShowHideLists(const TShowHideLists& lists);

// Syntax 4: "Launch Slide Show".
struct TSlideShowArgument {
    std::string Folder;
    bool Loop = false;
    std::int32_t TransitionStyle = 0;
    std::int32_t ImageStyle = 0;
    std::int32_t Step = 0;
    std::int32_t StepDelay = 0;
    std::int32_t Interval = 0;
    std::int32_t BackgroundColor = 0;
    std::string MusicFile;
};
// Nothing when a piece is missing or a number is not decimal text.
std::optional<TSlideShowArgument> ParseSlideShow(const std::string& actionFile);
std::string ComposeSlideShow(const TSlideShowArgument& argument);

// Syntax 5: "Copy File(s) then Open/Run"; missing pieces are empty.
struct TCopyThenOpenArgument {
    std::string Source; // trimmed
    std::string Target; // trimmed
    bool Overwrite = false;
    bool ShowMessage = false;
    std::string MessageCaption;
    std::string MessageText;
    std::string MessageType; // "0" information, "1" question, else none
    std::string OpenFile;
    std::string OpenParameters;
    std::string OpenFolder;
};
TCopyThenOpenArgument ParseCopyThenOpen(const std::string& actionFile);
// Every piece is written trimmed.
std::string ComposeCopyThenOpen(const TCopyThenOpenArgument& argument);

// Syntax 6: "Action Group".
struct TActionGroup {
    std::vector<TCommand> Commands;
    // The piece that stopped the group because it is not decimal text.
    std::optional<std::string> BadNumber;
};
TActionGroup ParseActionGroup(const std::string& actionFile);
// The close flag ends each command without a field separator after it.
std::string ComposeActionGroup(const std::vector<TCommand>& commands);

} // namespace brelvane
