#pragma once

#include <QRect>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

// The page template tabs in their order; a tab's caption is also its folder.
inline constexpr std::array<std::string_view, 6> kPageTemplateTabs{
    "Normal", "Splash Screen", "Screen Background", "Agreement Form", "Security Form", "Exit Form"};

// The tab the picker opens on for a page kind: Main and Sub Page share "Normal".
int PageTemplateTabOf(std::uint8_t pageKind);

// The library beside the program: `Templates/Pages/<tab>` and
// `Templates/Objects/<group>`, each with previews in `Icons`.
struct TTemplateLibrary {
    std::string Root; // ProgramFolder + "/Templates"

    std::string PagesFolder(int tab) const;
    std::string ObjectsFolder() const { return Root + "/Objects"; }
    std::string GroupFolder(const std::string& group) const {
        return ObjectsFolder() + "/" + group;
    }
};

// A template's preview: the file of the same name in the folder's `Icons`.
std::string PreviewPathOf(const std::string& folder, const std::string& name);

// The templates of a folder: its files that are not hidden, in ascending
// order of name without regard to case; sub-folders are not templates.
std::vector<std::string> TemplateItems(const std::string& folder);

// The groups of the object library: its visible sub-folders, in the order the
// folder pickers list them.
std::vector<std::string> TemplateGroups(const std::string& objectsFolder);

// The first "<prefix>001", "<prefix>002" … (from 1000 on all digits) that
// names no file of `folder`.
std::string UniqueTemplateName(const std::string& folder, const std::string& prefix);

// Where a picture of sw × sh goes in a preview of W × H with `margin`: shrunk
// to fit, never enlarged, centred in the whole preview.
QRect FitIconRect(int W, int H, int margin, int sw, int sh);

// A name the user typed that can name a file of its own: not empty, not "."
// or "..", none of \ / : * ? " < > | and no control characters.
bool IsPlainFileName(const std::string& name);

// Renames a template and, when that worked, its preview (whose failure is
// ignored). False when the new name is no plain file name, is taken, or the
// file system refuses.
bool RenameTemplate(const std::string& folder, const std::string& oldName,
                    const std::string& newName);

// Deletes a template's preview, ignoring failures; then the template itself.
bool DeleteTemplateFile(const std::string& folder, const std::string& name);
void DeletePreviewFile(const std::string& folder, const std::string& name);

} // namespace brelvane
