#pragma once

#include "dialogs/ActionContext.h"

namespace brelvane {

class TProjectPickers;

// Lets the action dialogs of `context` choose files and folders through the
// project pickers, with the filter that fits what is chosen. `pickers` must
// outlive the context's use.
void UseProjectPickers(TActionContext& context, TProjectPickers& pickers);

} // namespace brelvane
