#include "storage/SaveFile.h"

#include "storage/FileSystem.h"

#include <cerrno>
#include <memory>

namespace brelvane {

namespace {
// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) {
            const int saved = errno;
            std::error_code ignored;
            std::filesystem::remove(NativePath(path_), ignored);
            errno = saved;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};
} // namespace

bool SaveFileAtomically(const std::string& path, const std::function<bool(TStream&)>& write) {
    TemporaryFile temporary(CreateFileBeside(path));
    {
        TFileStream stream(temporary.Path(), TFileStream::Mode::Create);
        if (!write(stream)) return false;
        // The rename must not become visible before the data is on disk.
        stream.Sync();
        stream.Close();
    }
    // The temporary file is private; give it the permissions the old file had.
    CopyPermissions(path, temporary.Path());
    RenameOver(temporary.Path(), path);
    temporary.Keep();
    return true;
}

} // namespace brelvane
