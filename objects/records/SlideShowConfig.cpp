#include "objects/records/SlideShowConfig.h"

#include "storage/Fields.h"
#include "storage/Transfer.h"

namespace brelvane {

namespace {
// The smallest stored entry: a byte, six int32, two empty strings, an int32.
constexpr std::uint64_t kSmallestEntry = 1 + 6 * 4 + 2 * 4 + 4;

std::int32_t TakeInt32(TStream& stream) {
    std::int32_t value = 0;
    stream.Read(&value, sizeof value);
    return value;
}

struct TConfigBody {
    std::vector<TPSImageEntry>& entries;
    TConfigRead result = TConfigRead::Damaged;

    bool operator()(TStream& stream) {
        if (TakeInt32(stream) != kSlideShowConfigMagic) {
            result = TConfigRead::WrongMagic;
            return true;
        }
        const std::int32_t count = TakeInt32(stream);
        entries.clear();
        if (count < 0 || static_cast<std::uint64_t>(count) * kSmallestEntry > stream.Remaining())
            FailDamaged("entry count beyond the file");
        for (std::int32_t i = 0; i < count; ++i) {
            TPSImageEntry entry;
            if (!ReadRecord(stream, entry)) return false;
            entries.push_back(std::move(entry));
        }
        result = TConfigRead::Read;
        return true;
    }
};
} // namespace

TConfigRead ReadSlideShowConfig(TStream& stream, std::vector<TPSImageEntry>& entries) {
    TConfigBody body{entries};
    const bool read = Transfer(kReadSlideShowConfigError, [&] { return body(stream); });
    return read ? body.result : TConfigRead::Damaged;
}

TConfigRead ReadSlideShowConfigFile(const std::string& path, std::vector<TPSImageEntry>& entries) {
    TConfigBody body{entries};
    const bool read = Transfer(kReadSlideShowConfigError, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        return body(stream);
    });
    return read ? body.result : TConfigRead::Damaged;
}

bool WriteSlideShowConfig(TStream& stream, const std::vector<TPSImageEntry>& entries) {
    return Transfer(kWritePictureEntryError, [&] {
        const std::int32_t head[] = {kSlideShowConfigMagic,
                                     static_cast<std::int32_t>(entries.size())};
        stream.Write(head, sizeof head);
        for (const auto& entry : entries)
            if (!WriteRecord(stream, entry)) return false;
        return true;
    });
}

} // namespace brelvane
