#pragma once

#include <QProcessEnvironment>
#include <string>

namespace brelvane::platform {

// The folder of libraries and plug-ins a published player carries beside it,
// so that it runs where Qt, ICU and GStreamer are not installed.
inline constexpr char kRuntimeFolderName[] = "AutoRunRuntime";

// The folder of the running program's file (links resolved: the loader
// found the libraries beside the real file), before Qt can tell it.
std::string RunningProgramFolder();

// With a runtime folder in `programFolder`, points Qt's plug-ins, GStreamer
// and the web engine into it; returns whether there was one. Call before
// the application object exists.
bool UseBundledRuntime(const std::string& programFolder, const std::string& tempFolder);

// The environment for programs the menu starts: the variables that
// UseBundledRuntime set are back as they were, so that a started program
// finds its own libraries.
QProcessEnvironment ChildEnvironment();

} // namespace brelvane::platform
