#include "platform/WebEngine.h"

#include <unistd.h>

namespace brelvane::platform {

void PrepareWebEngineSandbox() {
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace brelvane::platform
