#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brelvane {

struct TCustomCursor {
    int Number = 0;
    std::string Name; // upper-cased, with a leading backslash
};

// The process-wide table of cursor files loaded so far: each file is loaded
// once, however many objects use it.
class TCustomCursors {
public:
    // Loads the cursor file and registers it under the given number; false
    // when the file cannot be loaded as a cursor.
    using Loader = std::function<bool(const std::string& file, int number)>;

    // The cursor number for a project file name, loading it on first use;
    // nothing when it cannot be loaded.
    std::optional<int> Resolve(const std::string& fileName, const Loader& load);
    void Clear() { entries_.clear(); }
    const std::vector<TCustomCursor>& Entries() const { return entries_; }

    // The file name as the table keys it.
    static std::string Key(const std::string& fileName);

private:
    std::vector<TCustomCursor> entries_;
};

TCustomCursors& CustomCursors();

} // namespace brelvane
