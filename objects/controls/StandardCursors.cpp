#include "objects/controls/StandardCursors.h"

#include "objects/controls/ObjectWidget.h"
#include "storage/FieldVisitor.h"

#include <array>
#include <cstring>

namespace brelvane {

namespace {
// Index i holds the shape of number -(i + 1).
constexpr std::array<Qt::CursorShape, 22> kShapes{
    Qt::BlankCursor,        // -1 none
    Qt::ArrowCursor,        // -2 arrow
    Qt::CrossCursor,        // -3 cross
    Qt::IBeamCursor,        // -4 I-beam
    Qt::SizeAllCursor,      // -5 size (the old number)
    Qt::SizeBDiagCursor,    // -6 size NE-SW
    Qt::SizeVerCursor,      // -7 size N-S
    Qt::SizeFDiagCursor,    // -8 size NW-SE
    Qt::SizeHorCursor,      // -9 size W-E
    Qt::UpArrowCursor,      // -10 up arrow
    Qt::WaitCursor,         // -11 hourglass
    Qt::DragMoveCursor,     // -12 drag
    Qt::ForbiddenCursor,    // -13 no drop
    Qt::SplitHCursor,       // -14 horizontal split
    Qt::SplitVCursor,       // -15 vertical split
    Qt::DragCopyCursor,     // -16 multiple drag
    Qt::WaitCursor,         // -17 database wait
    Qt::ForbiddenCursor,    // -18 no
    Qt::BusyCursor,         // -19 application start
    Qt::WhatsThisCursor,    // -20 help
    Qt::PointingHandCursor, // -21 hand point
    Qt::SizeAllCursor,      // -22 size all
};

// Picks the stored cursor number out of a payload's own fields (not those
// of records nested in it).
class TCursorNumberVisitor : public TFieldVisitor {
public:
    std::optional<std::int64_t> Number;

    void Field(const char* name, const TNumber& value) override {
        if (depth_ == 0 && std::strcmp(name, "CursorNumber") == 0) Number = value.Value;
    }
    void Field(const char*, bool) override {}
    void Field(const char*, double) override {}
    void Field(const char*, const std::string&) override {}
    void Field(const char*, const TPicture&) override {}
    void BeginRecord(const char*) override { ++depth_; }
    void EndRecord() override { --depth_; }
    void BeginList(const char*) override { ++depth_; }
    void EndList() override { --depth_; }

private:
    int depth_ = 0;
};
} // namespace

std::optional<Qt::CursorShape> StandardCursorShape(int number) {
    if (number >= 0 || number < -static_cast<int>(kShapes.size())) return std::nullopt;
    return kShapes[static_cast<std::size_t>(-number - 1)];
}

void ApplyStoredCursor(TObjectWidget& control) {
    const auto* payload = control.Record().Payload.get();
    if (!payload) return;
    TCursorNumberVisitor visitor;
    payload->VisitFields(visitor);
    if (!visitor.Number) return;
    if (const auto shape = StandardCursorShape(static_cast<int>(*visitor.Number)))
        control.setCursor(*shape);
}

} // namespace brelvane
