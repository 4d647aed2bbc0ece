#pragma once

namespace brelvane {

// The whole life of the process: mode decision, set-up, the mode's run, clean-up.
int RunProgram(int argc, char** argv);

} // namespace brelvane
