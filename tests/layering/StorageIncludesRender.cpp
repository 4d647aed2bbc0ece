// Must not build: the storage layer cannot see the render layer.
#include "render/AnsiText.h"
