#pragma once

namespace brelvane::platform {

// Whether the desktop draws window opacity: a compositing window manager on
// X11, always on Wayland, never without a display. Without it a fade would
// not show and a translucent shadow would be a solid black block.
bool DesktopBlendsWindows();

} // namespace brelvane::platform
