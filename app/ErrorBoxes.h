#pragma once

namespace brelvane {

// Routes the error report to message boxes titled "Error" with the error icon.
// Without a display a person could answer (offscreen runs), the texts go to
// standard error instead, so that nothing waits for a click that cannot come.
void InstallErrorBoxSink();

} // namespace brelvane
