#include "dialogs/EditorFiles.h"

#include "platform/MessageBoxes.h"

#include <fstream>
#include <iterator>

namespace brelvane {

std::optional<std::string> ReadEditorFile(QWidget* owner, const QString& file) {
    std::ifstream in(file.toStdString(), std::ios::binary);
    if (!in) {
        platform::ShowErrorBox(owner, "Cannot open file \"" + file + "\".");
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(in), {}};
}

void WriteEditorFile(QWidget* owner, const QString& file, std::string_view bytes) {
    std::ofstream out(file.toStdString(), std::ios::binary);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        platform::ShowErrorBox(owner, "Cannot create file \"" + file + "\".");
}

} // namespace brelvane
