#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/Command.h"

#include <string>

namespace brelvane {

// A shell view shows its root below `baseFolder` (other objects are left alone).
void ApplyShellRoot(TAutoObject& object, const std::string& baseFolder);

// A running page's list links: a tree view fills the list view named by its
// AssociatedListView whenever its selection changes, and starts with its
// first node selected; a shell tree shows its chosen folder in the shell
// list view named by its ShellListView. A name that matches nothing leaves
// the view unlinked.
void LinkListObjects(TAutoObjects& objects);

// The command a click on a list object runs (see ChooseListClick); a list
// view entry that stands for a tree node selects that node instead and runs
// nothing.
const TCommand* ListClickCommand(TAutoObjects& objects, TAutoObject& object);

} // namespace brelvane
