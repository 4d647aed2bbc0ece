// Must not build: the object records cannot see the project layer above them.
#include "project/PageStream.h"
