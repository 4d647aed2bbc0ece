#include "platform/SingleInstance.h"

#include <unistd.h>

namespace brelvane::platform {

QString PerUserName(const QString& name) {
    return name + "-" + QString::number(::getuid());
}

} // namespace brelvane::platform
