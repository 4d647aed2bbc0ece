#include "objects/FieldNameCheck.h"
#include "objects/ObjectTestSupport.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Every stored kind, walked as the page dump and the property tables walk it.
TEST(PayloadFields, EveryKindNamesEachFieldOnceWithItsPlaceAndHint) {
    int kinds = 0;
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        const auto* codec = PayloadCodecOf(static_cast<std::uint8_t>(kind));
        if (!codec) continue;
        ++kinds;
        SCOPED_TRACE(KindName(static_cast<std::uint8_t>(kind)));
        FieldNameCheck check;
        codec->Create()->VisitFields(check);
        EXPECT_EQ(check.Problems, std::vector<std::string>{});
        // The rows every kind's placing and hint are edited in.
        for (const char* common : {"Left", "Top", "Width", "Height", "Hint"})
            EXPECT_TRUE(check.Names().count(common)) << common;
    }
    EXPECT_GT(kinds, 0);
}

TEST(PayloadFields, ObjectRecordNamesItsFrameAndPayload) {
    TAutoObjects objects;
    auto* added = AddObjectRecord(objects, okImageButton, 1, 2);
    ASSERT_NE(added, nullptr);
    added->PopupMenu.resize(2);
    FieldNameCheck check;
    VisitRecord(check, *added);
    EXPECT_EQ(check.Problems, std::vector<std::string>{});
    // Frame, properties (the packed strings as their fields) and payload.
    EXPECT_GT(check.Fields, 60);
}

} // namespace
} // namespace brelvane::test
