#pragma once

namespace brelvane {

// Numbered failures of publishing; each report names its path.
enum : int {
    // The destination lies inside the base folder it would copy.
    kPublishInsideBaseError = 1100,
    // A folder of the base folder cannot be read, or one of the destination made.
    kPublishFolderError = 1101,
    // A file cannot be copied to the destination.
    kPublishFileError = 1102,
    // The disc image program cannot start, fails or leaves no image.
    kDiscImageError = 1103,
    // The runtime folder a published player needs is not beside the program.
    kPublishRuntimeMissingError = 1104,
    // The player the chosen system needs (the other system's build beside the
    // designer) is missing.
    kPublishPlayerMissingError = 1105,
};

// How a publishing run ended; a cancelled one leaves no partial file behind.
enum class TPublishResult { Done, Failed, Cancelled };

} // namespace brelvane
