// The Windows build's child processes for player_startup_bench --windows:
// "--bare-window" or "--main-page FOLDER".
#include "StartupChildren.h"

#include <cstring>

int main(int argc, char** argv) {
    using namespace brelvane::bench;
    if (argc > 1 && std::strcmp(argv[1], kBareRole) == 0) return BareWindowChild(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], kMainPageRole) == 0)
        return MainPageChild(argc, argv, argv[2]);
    return 2;
}
