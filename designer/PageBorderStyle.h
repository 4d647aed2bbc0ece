#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace brelvane {

struct TPageRecord;

// The page's "BorderStyle" row shows the border style and the border icons
// together. These are the values it offers.
QStringList BorderStyleChoices();

// The value shown for a border style and border icons; besides the offered
// values, a dialog border shows "Dialog" and a tool window with the system
// menu and minimise icons "ToolWindowMinimizeIcon" or "SizeToolWinMinimizeIcon".
QString BorderStyleText(std::uint8_t borderStyle, std::uint8_t borderIcons);

// Sets the border style and border icons an offered value stands for; false
// for any other text.
bool ApplyBorderStyle(const QString& text, TPageRecord& page);

} // namespace brelvane
