// The front of a single executable: unpacks the player, its runtime and the
// project, runs the player and clears up after it.
#include "launcher/ChildProcess.h"
#include "launcher/PackagedPlayer.h"

int main(int argc, char** argv) {
    using namespace brelvane::launcher;
    return RunPackagedPlayer(RunningExecutable(), TemporaryFolder(),
                             std::vector<std::string>(argv + 1, argv + argc), RunChild);
}
