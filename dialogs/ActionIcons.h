#pragma once

#include <QIcon>

namespace brelvane {

// The 16 x 16 image of an action type in the action lists (the action
// editor's list and the group editor's rows): a rounded square in the colour
// of the type's family (files, web, sound, pages, windows, pictures and media,
// media object controls, objects) with the type's mark. Types outside 0..28
// get the image of "None".
QIcon ActionIcon(int type);

} // namespace brelvane
