#pragma once

#include "objects/records/Payload.h"

#include <vector>

namespace brelvane {

enum : int {
    kWritePictureEntryError = 1019,
    kReadPictureEntryError = 1020,
    kWriteSlideShowError = 1021,
    kReadSlideShowError = 1022,
    kReadSlideShowConfigError = 1024,
};

// How pictures are shown: the settings of a slide show and, with a file name,
// one entry of a folder's configuration file.
struct TPSImage {
    // 1 for new objects; kept as read.
    std::uint8_t FirstByte = 1;
    // 1..150, or 0 for a random style for each picture.
    std::int32_t Style = 0;
    std::int32_t Step = 4;
    std::int32_t StepDelay = 50;
    // Milliseconds from the end of one transition to the next picture.
    std::int32_t Interval = 2000;
    // 0 "Normal", 1 "Center", 2 "Stretch", 3 "ShrinkFit", 4 "EnlargeFit".
    std::int32_t ImageStyle = 3;
    std::int32_t BackColor = 0;
    std::string FileName;
    // Never used; written back as read.
    std::string Spare;
    std::int32_t SpareNumber = 0;

    bool operator==(const TPSImage&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TPSImage& image) {
    return ar("FirstByte", image.FirstByte) && ar("Style", image.Style) && ar("Step", image.Step) &&
           ar("StepDelay", image.StepDelay) && ar("Interval", image.Interval) &&
           ar("ImageStyle", image.ImageStyle) && ar("BackColor", image.BackColor) &&
           ar("FileName", image.FileName) && ar("Spare", image.Spare) &&
           ar("SpareNumber", image.SpareNumber);
}

// One entry of a configuration file, reported on its own when damaged.
struct TPSImageEntry : TPSImage {
    static constexpr TRecordCodes Codes{kWritePictureEntryError, kReadPictureEntryError};
};

template <class Archive> bool Fields(Archive& ar, TPSImageEntry& entry) {
    return Fields(ar, static_cast<TPSImage&>(entry));
}

// Kind 13.
struct TSlideShowPayload : TPayloadOf<TSlideShowPayload> {
    static constexpr TRecordCodes Codes{kWriteSlideShowError, kReadSlideShowError};
    bool Play = true;
    bool Loop = true;
    bool ControlBar = true;
    bool Border = false;
    // Never used; written back as read.
    std::int32_t Reserved = 0;
    std::uint8_t ReservedByte = 0;
    std::string WorkFolder;
    TPSImage Settings;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TSlideShowPayload& payload) {
    return ar("Play", payload.Play) && ar("Loop", payload.Loop) &&
           ar("ControlBar", payload.ControlBar) && ar("Border", payload.Border) &&
           ar("Reserved", payload.Reserved) && ar("ReservedByte", payload.ReservedByte) &&
           ar("WorkFolder", payload.WorkFolder) && ar("Hint", payload.Hint) &&
           ar("Settings", payload.Settings) && Bounds(ar, payload);
}

inline constexpr auto WriteSlideShowPayload = &WriteRecord<TSlideShowPayload>;
inline constexpr auto ReadSlideShowPayload = &ReadRecord<TSlideShowPayload>;

} // namespace brelvane
