#pragma once

#include <string>

namespace brelvane::platform {

// One device of the multimedia control interface, opened by file name (the
// system picks the device for the file type) under an alias of its own.
class MciDevice {
public:
    MciDevice();
    ~MciDevice();
    MciDevice(const MciDevice&) = delete;
    MciDevice& operator=(const MciDevice&) = delete;

    // False when no device plays the file.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return open_; }
    // Sends "<command> <alias>[ <arguments>]"; false when the device refuses it.
    bool Send(const std::wstring& command, const std::wstring& arguments = {}) const;
    // The answer to "status <alias> <item>", empty when there is none.
    std::wstring Status(const std::wstring& item) const;

private:
    std::wstring alias_;
    bool open_ = false;
};

} // namespace brelvane::platform
