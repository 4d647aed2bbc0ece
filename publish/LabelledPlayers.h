#pragma once

#include "publish/PublishedPlayers.h"

#include <string>
#include <vector>

namespace brelvane {

// Copies `player` to `copy` with the group icon "MAINICON" and the three
// version strings of `labelsFrom`, the project's own player as the
// executable information dialog left it (what it lacks stays as the player
// has it). A failure is reported with kPublishFileError and the copy's path;
// no copy is left then.
bool CopyPlayerWithLabels(const std::string& player, const std::string& labelsFrom,
                          const std::string& copy);

// The chosen players, each one other than the project's own replaced by a
// labelled copy made beside `besidePath`; the copies go when this does, so
// relabelling the project's player reaches every published system.
class TLabelledPlayers {
public:
    TLabelledPlayers(const TPublishedPlayers& players, const std::string& besidePath);
    ~TLabelledPlayers();
    TLabelledPlayers(const TLabelledPlayers&) = delete;
    TLabelledPlayers& operator=(const TLabelledPlayers&) = delete;

    // False when a copy could not be made (reported already).
    bool Ready() const { return ready_; }
    const TPublishedPlayers& Players() const { return players_; }

private:
    TPublishedPlayers players_;
    std::vector<std::string> copies_;
    bool ready_ = true;
};

} // namespace brelvane
