#include "storage/exe/File.h"

namespace brelvane {

namespace {
// The two short-transfer codes are Windows numbers with Windows' texts; errno gives other
// texts to 38 and 29, and Wine's system texts differ from Windows' own.
std::string ShortTransferText(int code) {
    if (code == kFileErrorEndOfFile) return "Reached the end of the file.";
    if (code == kFileErrorWriteFault) return "The system cannot write to the specified device.";
    return {};
}
} // namespace

std::string FileErrorMessage(int code) {
    std::string text = ShortTransferText(code);
    if (text.empty()) text = PlatformErrorText(code);
    while (!text.empty()) {
        const unsigned char last = static_cast<unsigned char>(text.back());
        if (last != ' ' && last != '.' && last >= 0x20) break;
        text.pop_back();
    }
    if (text.empty()) return "File I/O error " + std::to_string(code);
    return text;
}

EFileError::EFileError(int code) : std::runtime_error(FileErrorMessage(code)), code_(code) {}

TFile::TFile(const std::string& name, TFileCreation creation, TFileAccess access,
             TFileSharing sharing) {
    Open(name, creation, access, sharing);
}

void TFile::ReadBuffer(void* buffer, std::size_t count) {
    if (Read(buffer, count) != count) throw EFileError(kFileErrorEndOfFile);
}

std::uint32_t TFile::Size32() const {
    const std::uint64_t size = Size();
    return size >= 0x80000000ull ? 0x7FFFFFFFu : static_cast<std::uint32_t>(size);
}

} // namespace brelvane
