#pragma once

#include <string>

// The two processes the start-up benchmarks time: each shows its window,
// returns 0 once the window has painted, 1 when it did not within 10 s.
namespace brelvane::bench {

inline constexpr char kBareRole[] = "--bare-window";
inline constexpr char kDemoRole[] = "--demo-main-page";

// A bare Qt window of the demo's size.
int BareWindowChild(int argc, char** argv);
// The player's start sequence on the project in `demoFolder` (one without
// special pages), until its main page has painted.
int DemoMainPageChild(int argc, char** argv, const std::string& demoFolder);

} // namespace brelvane::bench
