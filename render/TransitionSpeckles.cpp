#include "render/TransitionSpeckles.h"

#include "render/TransitionPrimitives.h"
#include "render/UniformRandom.h"

#include <algorithm>

namespace brelvane {

void DrawSpeckles(TransitionFrame& f, Axis along, bool fromFar) {
    UniformRandom& random = TransitionRandom();
    const int L = f.Length(along);
    const int D = f.Reach(along);
    const int C = along == Axis::Horizontal ? f.H : f.W;
    const int zone = D < L ? L / 10 : 0;
    const int size = std::max(zone / 20, 2);
    const int count = zone / size;
    const int denseUpTo = (3 * zone / size) / 4;
    const int edge = fromFar ? L - D : D;
    // Distance k from the band edge, counted in speckles, ahead of the band.
    const auto speckle = [&](int k) {
        return fromFar ? Interval{edge - k * size, edge - (k - 1) * size}
                       : Interval{edge + (k - 1) * size, edge + k * size};
    };
    std::vector<Box> boxes;
    for (int row = 0; row < C; row += Half(size)) {
        const Interval across{row, row + size};
        boxes.push_back(AxisBox(along, fromFar ? Interval{edge, L} : Interval{0, edge}, across));
        for (int k = count; k >= 1; --k) {
            const int threshold = k <= denseUpTo ? 1 : 0;
            if (threshold >= random.Below(k)) boxes.push_back(AxisBox(along, speckle(k), across));
        }
    }
    ShowBoxes(f, boxes);
}

} // namespace brelvane
