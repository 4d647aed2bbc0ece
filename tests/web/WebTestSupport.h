#pragma once

#include "platform/WebEngine.h"

#include <QVariant>
#include <functional>

namespace brelvane::test {

// Runs the event loop until `done` holds or `milliseconds` have passed;
// whether it held.
bool RunUntil(const std::function<bool()>& done, int milliseconds = 30000);

// Runs `script` in the view again and again until it gives true.
bool ScriptBecomesTrue(platform::WebView& view, const QString& script, int milliseconds = 30000);

// The value `script` gives once it gives something other than null or
// undefined; an invalid value after the time has passed.
QVariant ScriptValue(platform::WebView& view, const QString& script, int milliseconds = 30000);

} // namespace brelvane::test
