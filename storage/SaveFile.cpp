#include "storage/SaveFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace brelvane {

namespace {
// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) {
            const int saved = errno;
            std::remove(path_.c_str());
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

std::string ReserveTemporaryName(const std::string& path) {
    std::string pattern = path + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw StreamError("cannot create a temporary file beside " + path);
    ::close(fd);
    return pattern;
}
} // namespace

bool SaveFileAtomically(const std::string& path, const std::function<bool(TStream&)>& write) {
    TemporaryFile temporary(ReserveTemporaryName(path));
    {
        TFileStream stream(temporary.Path(), TFileStream::Mode::Create);
        if (!write(stream)) return false;
        // The rename must not become visible before the data is on disk.
        stream.Sync();
        stream.Close();
    }
    // mkstemp makes the file private; give it the mode the old file had.
    struct stat old {};
    ::chmod(temporary.Path().c_str(), ::stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : 0644);
    if (std::rename(temporary.Path().c_str(), path.c_str()) != 0)
        throw StreamError("cannot replace " + path);
    temporary.Keep();
    return true;
}

} // namespace brelvane
