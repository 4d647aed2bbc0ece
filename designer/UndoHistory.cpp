#include "designer/UndoHistory.h"

#include "project/PageStream.h"
#include "storage/ErrorReport.h"

namespace brelvane {

std::optional<std::vector<std::uint8_t>> PageSnapshot(const TPageRecord& page) {
    const ErrorCollector silent;
    TMemoryStream stream;
    if (!WritePage(stream, page)) return std::nullopt;
    return stream.Bytes();
}

void TUndoHistory::Record(const TAutoFormInfo* page, std::string label,
                          std::optional<std::vector<std::uint8_t>> before) {
    auto& stacks = pages_[page];
    stacks.Redo.clear();
    if (!before) {
        stacks.Undo.clear();
        return;
    }
    stacks.Undo.push_back({std::move(label), std::move(*before)});
    if (stacks.Undo.size() > kDepth) stacks.Undo.pop_front();
}

const TUndoHistory::TStacks* TUndoHistory::Find(const TAutoFormInfo* page) const {
    const auto at = pages_.find(page);
    return at == pages_.end() ? nullptr : &at->second;
}

const TUndoHistory::TStep* TUndoHistory::NextUndo(const TAutoFormInfo* page) const {
    const auto* stacks = Find(page);
    return stacks && !stacks->Undo.empty() ? &stacks->Undo.back() : nullptr;
}

const TUndoHistory::TStep* TUndoHistory::NextRedo(const TAutoFormInfo* page) const {
    const auto* stacks = Find(page);
    return stacks && !stacks->Redo.empty() ? &stacks->Redo.back() : nullptr;
}

std::optional<TUndoHistory::TStep>
TUndoHistory::Swap(std::deque<TStep>& from, std::deque<TStep>& to,
                   std::optional<std::vector<std::uint8_t>> current) {
    if (from.empty()) return std::nullopt;
    TStep step = std::move(from.back());
    from.pop_back();
    if (current) {
        to.push_back({step.Label, std::move(*current)});
        if (to.size() > kDepth) to.pop_front();
    } else {
        to.clear();
    }
    return step;
}

std::optional<TUndoHistory::TStep>
TUndoHistory::Undo(const TAutoFormInfo* page, std::optional<std::vector<std::uint8_t>> current) {
    auto& stacks = pages_[page];
    return Swap(stacks.Undo, stacks.Redo, std::move(current));
}

std::optional<TUndoHistory::TStep>
TUndoHistory::Redo(const TAutoFormInfo* page, std::optional<std::vector<std::uint8_t>> current) {
    auto& stacks = pages_[page];
    return Swap(stacks.Redo, stacks.Undo, std::move(current));
}

std::size_t TUndoHistory::UndoCount(const TAutoFormInfo* page) const {
    const auto* stacks = Find(page);
    return stacks ? stacks->Undo.size() : 0;
}

void TUndoHistory::Forget(const TAutoFormInfo* page) {
    pages_.erase(page);
}

void TUndoHistory::Clear() {
    pages_.clear();
}

} // namespace brelvane
