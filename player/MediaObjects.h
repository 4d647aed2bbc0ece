#pragma once

#include "objects/records/AutoObject.h"

#include <cstdint>
#include <string>

namespace brelvane {

// The media players and slide shows of a page, at the moments the page
// drives them.

// The page has appeared: media players open and play their files, slide
// shows read their folders. True when the page holds a media player.
bool StartPageMedia(TAutoObjects& objects);
// The page's start step: players that should play and do not, play; shows
// with pictures wait for their timer. Running ones are left as they are.
void StartCallMedia(TAutoObjects& objects);
// The page hides: every media player lets its file go.
void CloseMedia(TAutoObjects& objects);

// Actions "Play" .. "Last/Step" on every media player and slide show named `name`.
void RunMediaCommand(TAutoObjects& objects, std::uint8_t actionType, const std::string& name);
// "Load File with Object" on a media player or slide show; false for other kinds.
bool LoadFileIntoMedia(TAutoObject& object, const std::string& fileName);

} // namespace brelvane
