#pragma once

#include "objects/records/Payload.h"

namespace brelvane {

enum : int {
    kWriteExplorerError = 1027,
    kReadExplorerError = 1028,
    kWriteExplorerPlaceholderError = 1029,
    kReadExplorerPlaceholderError = 1030,
};

enum TExplorerType : std::uint8_t { etFolder, etWebSite, etFile };

// Kind 11, the web view: what it shows. The stored left, top, width and
// height are also what the control goes back to once its page has loaded.
struct TExplorerFields {
    // Placing in the page: 0 none, 1 top, 2 bottom, 3 left, 4 right, 5 client.
    std::uint8_t Align = 0;
    std::int16_t CursorNumber = 0;
    std::uint8_t ExplorerType = etWebSite;
    // A folder or a file (relative to the base folder when it begins with a
    // backslash), or a web address.
    std::string Location;
};

// The form a running page reads: a browser.
struct TExplorerPayload : TPayloadOf<TExplorerPayload>, TExplorerFields {
    static constexpr TRecordCodes Codes{kWriteExplorerError, kReadExplorerError};
    void VisitFields(TFieldVisitor& visitor) const override;
};

// The form the designer reads: a white box holding the same fields. Only the
// codes with which it reports differ.
struct TExplorerPlaceholderPayload : TPayloadOf<TExplorerPlaceholderPayload>, TExplorerFields {
    static constexpr TRecordCodes Codes{kWriteExplorerPlaceholderError,
                                        kReadExplorerPlaceholderError};
    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool ExplorerFields(Archive& ar, TPayload& payload, TExplorerFields& web) {
    return ar("Align", web.Align) && ar("CursorNumber", web.CursorNumber) &&
           ar("Hint", payload.Hint) && ar("ExplorerType", web.ExplorerType) &&
           ar("Location", web.Location) && Bounds(ar, payload);
}

template <class Archive> bool Fields(Archive& ar, TExplorerPayload& payload) {
    return ExplorerFields(ar, payload, payload);
}

template <class Archive> bool Fields(Archive& ar, TExplorerPlaceholderPayload& payload) {
    return ExplorerFields(ar, payload, payload);
}

// The web view fields of either form; null for other payloads.
TExplorerFields* ExplorerFieldsOf(TPayload* payload);

} // namespace brelvane
