#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brelvane {

struct TAutoFormInfo;
struct TPageRecord;

// The page as page-stream bytes, as undo keeps it; none when the page cannot
// be written (no error box: the edit goes on, only its undo is lost).
std::optional<std::vector<std::uint8_t>> PageSnapshot(const TPageRecord& page);

// Undo and redo: snapshots of each page taken before each change, kept per
// page across page switches until the project is closed.
class TUndoHistory {
public:
    static constexpr std::size_t kDepth = 100;

    struct TStep {
        std::string Label; // the command's name: "Move", "Paste" …
        std::vector<std::uint8_t> Page;
    };

    // Before a change of `page` by the command `label`: `before` is the page
    // as it was. Without a snapshot nothing before this change can be undone.
    // Drops every redo step, and the oldest step beyond the depth.
    void Record(const TAutoFormInfo* page, std::string label,
                std::optional<std::vector<std::uint8_t>> before);

    // The step that Undo (Redo) would restore, or null.
    const TStep* NextUndo(const TAutoFormInfo* page) const;
    const TStep* NextRedo(const TAutoFormInfo* page) const;

    // Takes the step to restore; `current`, the page as it is now, goes to the
    // other side under the same label (without it that side is emptied).
    std::optional<TStep> Undo(const TAutoFormInfo* page,
                              std::optional<std::vector<std::uint8_t>> current);
    std::optional<TStep> Redo(const TAutoFormInfo* page,
                              std::optional<std::vector<std::uint8_t>> current);

    std::size_t UndoCount(const TAutoFormInfo* page) const;
    void Forget(const TAutoFormInfo* page);
    void Clear();

private:
    struct TStacks {
        std::deque<TStep> Undo;
        std::deque<TStep> Redo;
    };
    static std::optional<TStep> Swap(std::deque<TStep>& from, std::deque<TStep>& to,
                                     std::optional<std::vector<std::uint8_t>> current);
    const TStacks* Find(const TAutoFormInfo* page) const;

    std::map<const TAutoFormInfo*, TStacks> pages_;
};

} // namespace brelvane
