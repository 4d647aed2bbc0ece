#include "app/StartUp.h"

namespace brelvane {

int RunProgram(int, char**) {
    return 0;
}

} // namespace brelvane
