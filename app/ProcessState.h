#pragma once

#include "project/PageSource.h"
#include "storage/ProjectIndex.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

// Set once at start and read everywhere. Folders carry no trailing separator.
struct TProcessState {
    std::string ProgramPath;
    std::string ProgramFolder;
    std::string DesignerTempFolder;
    std::string SourceSubfolder = "/AutoRunSource";
    std::string IndexFileName = "AutoRun.src";
    std::string TemplatesSubfolder = "/Templates";
    bool DesignerMode = false;
    std::string BaseFolder;
    std::string DocumentsFolder;
    TDataSource DataSource = dsProjectSource;
    std::string PackageFolder;
    bool IsNtPlatform = true;
    bool CanFade = true;
    // "D" + folder or "F" + file, removed last entry first at exit.
    std::vector<std::string> CleanupList;
    std::int32_t SavedHintPause = 500;
    std::int32_t SavedHintHidePause = 2500;
    // The one project of the process: its index and settings.
    TProjectIndex Project;
};

TProcessState& Process();

// Fills the program paths from the executable's own path.
void SetProgramPaths(TProcessState& state, const std::string& programPath);

// The folder part of a path and the file name part, split at the last separator.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

} // namespace brelvane
