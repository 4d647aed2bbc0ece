#pragma once

#include <string>

// The two processes the start-up benchmarks time: each shows its window,
// returns 0 once the window has painted, 1 when it did not within 10 s.
namespace brelvane::bench {

inline constexpr char kBareRole[] = "--bare-window";
inline constexpr char kMainPageRole[] = "--main-page"; // then the project's folder

// A bare Qt window of the demo's size.
int BareWindowChild(int argc, char** argv);
// The player's start sequence on the project in `folder` (one without special
// pages), until its main page has painted.
int MainPageChild(int argc, char** argv, const std::string& folder);

} // namespace brelvane::bench
