#include "objects/records/ActionArguments.h"

#include <charconv>
#include <initializer_list>

namespace brelvane {

namespace {
bool IsYes(const std::string& piece) {
    return piece == "Y";
}

// The piece at `index`, or empty when the text has fewer pieces.
std::string PieceAt(const std::vector<std::string>& pieces, std::size_t index) {
    return index < pieces.size() ? pieces[index] : std::string();
}

std::vector<std::string> NamesOf(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        auto end = list.find('\n', start);
        if (end == std::string::npos) end = list.size();
        auto line = list.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Empty lines would otherwise match every object without a group.
        if (!line.empty()) names.push_back(line);
        start = end + 1;
    }
    return names;
}
} // namespace

std::vector<std::string> SplitPieces(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (auto end = text.find(separator); end != std::string::npos;
         end = text.find(separator, start)) {
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

std::string Trimmed(const std::string& text) {
    constexpr const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<std::int32_t> DecimalValue(const std::string& text) {
    auto digits = Trimmed(text);
    if (!digits.empty() && digits.front() == '+') digits.erase(0, 1);
    std::int32_t value = 0;
    const auto* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string YesMark(bool value) {
    return value ? "Y" : " ";
}

namespace {
// Each piece followed by `separator`.
std::string JoinPieces(std::initializer_list<std::string> pieces, char separator) {
    std::string text;
    for (const auto& piece : pieces) {
        text += piece;
        text += separator;
    }
    return text;
}
} // namespace

bool IsFileList(const std::string& actionFile) {
    return actionFile.find(kFileListEntryEnd) != std::string::npos;
}

std::vector<TFileListEntry> ParseFileList(const std::string& actionFile) {
    std::vector<TFileListEntry> entries;
    for (const auto& entry : SplitPieces(actionFile, kFileListEntryEnd)) {
        const auto pieces = SplitPieces(entry, kPieceEnd);
        entries.push_back({PieceAt(pieces, 0), PieceAt(pieces, 1), PieceAt(pieces, 2),
                           IsYes(PieceAt(pieces, 3))});
    }
    return entries;
}

std::string ComposeFileList(const std::vector<TFileListEntry>& entries) {
    std::string text;
    for (const auto& entry : entries)
        text += JoinPieces({entry.File, entry.Parameters, entry.Folder, YesMark(entry.Wait)},
                           kPieceEnd) +
                kFileListEntryEnd;
    return text;
}

TLoadFileArgument ParseLoadFile(const std::string& actionFile) {
    const auto pieces = SplitPieces(actionFile, kPieceEnd);
    return {Trimmed(PieceAt(pieces, 0)), Trimmed(PieceAt(pieces, 1))};
}

std::string ComposeLoadFile(const TLoadFileArgument& argument) {
    return JoinPieces({argument.ObjectName, argument.FileName}, kPieceEnd);
}

TShowHideLists ParseShowHideLists(const std::string& actionFile) {
    TShowHideLists lists;
    const auto pieces = SplitPieces(actionFile, kPieceEnd);
    lists.Present = static_cast<int>(std::min<std::size_t>(pieces.size(), kShowHideListCount));
    for (int list = 0; list < lists.Present; ++list)
        lists.Names[list] = NamesOf(pieces[list]);
    return lists;
}

std::string ComposeShowHideLists(const TShowHideLists& lists) {
    std::string text;
    for (const auto& names : lists.Names) {
        for (const auto& name : names)
            text += name + "\r\n";
        text += kPieceEnd;
    }
    return text;
}

std::optional<TSlideShowArgument> ParseSlideShow(const std::string& actionFile) {
    const auto pieces = SplitPieces(actionFile, kPieceEnd);
    if (pieces.size() < 9) return std::nullopt;
    TSlideShowArgument argument;
    argument.Folder = pieces[0];
    argument.Loop = IsYes(pieces[1]);
    std::int32_t* numbers[] = {
        &argument.TransitionStyle, &argument.ImageStyle, &argument.Step,
        &argument.StepDelay,       &argument.Interval,   &argument.BackgroundColor};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const auto value = DecimalValue(pieces[2 + i]);
        if (!value) return std::nullopt;
        *numbers[i] = *value;
    }
    argument.MusicFile = pieces[8];
    return argument;
}

std::string ComposeSlideShow(const TSlideShowArgument& argument) {
    using std::to_string;
    return JoinPieces({argument.Folder, YesMark(argument.Loop), to_string(argument.TransitionStyle),
                       to_string(argument.ImageStyle), to_string(argument.Step),
                       to_string(argument.StepDelay), to_string(argument.Interval),
                       to_string(argument.BackgroundColor), argument.MusicFile},
                      kPieceEnd);
}

TCopyThenOpenArgument ParseCopyThenOpen(const std::string& actionFile) {
    const auto pieces = SplitPieces(actionFile, kPieceEnd);
    TCopyThenOpenArgument argument;
    argument.Source = Trimmed(PieceAt(pieces, 0));
    argument.Target = Trimmed(PieceAt(pieces, 1));
    argument.Overwrite = IsYes(PieceAt(pieces, 2));
    argument.ShowMessage = IsYes(PieceAt(pieces, 3));
    argument.MessageCaption = PieceAt(pieces, 4);
    argument.MessageText = PieceAt(pieces, 5);
    argument.MessageType = PieceAt(pieces, 6);
    argument.OpenFile = PieceAt(pieces, 7);
    argument.OpenParameters = PieceAt(pieces, 8);
    argument.OpenFolder = PieceAt(pieces, 9);
    return argument;
}

std::string ComposeCopyThenOpen(const TCopyThenOpenArgument& argument) {
    const auto& a = argument;
    return JoinPieces({Trimmed(a.Source), Trimmed(a.Target), YesMark(a.Overwrite),
                       YesMark(a.ShowMessage), Trimmed(a.MessageCaption), Trimmed(a.MessageText),
                       Trimmed(a.MessageType), Trimmed(a.OpenFile), Trimmed(a.OpenParameters),
                       Trimmed(a.OpenFolder)},
                      kPieceEnd);
}

TActionGroup ParseActionGroup(const std::string& actionFile) {
    TActionGroup group;
    for (const auto& text : SplitPieces(actionFile, kGroupCommandEnd)) {
        const auto fields = SplitPieces(text, kGroupFieldEnd);
        const auto type = DecimalValue(PieceAt(fields, 0));
        const auto show = DecimalValue(PieceAt(fields, 1));
        if (!type || !show) {
            group.BadNumber = type ? PieceAt(fields, 1) : PieceAt(fields, 0);
            break;
        }
        TCommand command;
        // A number beyond the type range names no action.
        command.ActionType = *type >= 0 && *type <= 255 ? static_cast<std::uint8_t>(*type) : 255;
        command.ShowCommand = *show;
        command.ActionFile = PieceAt(fields, 2);
        command.ActionParams = PieceAt(fields, 3);
        command.ActionDir = PieceAt(fields, 4);
        // The close flag counts only when a further separator ends it.
        command.CloseAfterAction = IsYes(PieceAt(fields, 5)) ? 1 : 0;
        group.Commands.push_back(std::move(command));
    }
    return group;
}

std::string ComposeActionGroup(const std::vector<TCommand>& commands) {
    std::string text;
    for (const auto& c : commands)
        text += JoinPieces({std::to_string(c.ActionType), std::to_string(c.ShowCommand),
                            c.ActionFile, c.ActionParams, c.ActionDir},
                           kGroupFieldEnd) +
                YesMark(c.CloseAfterAction != 0) + kGroupCommandEnd;
    return text;
}

} // namespace brelvane
