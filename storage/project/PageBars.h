#pragma once

#include "storage/ByteStream.h"
#include "storage/project/PageRecord.h"

namespace brelvane {

enum : int {
    kWriteToolButtonError = 1116,
    kReadToolButtonError = 1117,
    kWritePanelError = 1118,
    kReadPanelError = 1119,
};

bool WritePanel(TStream& stream, const TStatusPanel& panel);
bool ReadPanel(TStream& stream, TStatusPanel& panel);
bool WriteToolButton(TStream& stream, const TAuToolButton& button);
bool ReadToolButton(TStream& stream, TAuToolButton& button);

} // namespace brelvane
