#include "platform/WebEngine.h"

namespace brelvane::platform {

// The browser's sandbox works for every Windows account.
void PrepareWebEngineSandbox() {}

} // namespace brelvane::platform
