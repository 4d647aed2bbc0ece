// Must not build: the render layer cannot see the platform layer.
#include "platform/IniFile.h"
