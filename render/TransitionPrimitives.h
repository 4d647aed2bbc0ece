#pragma once

#include "render/TransitionFrame.h"

#include <QRegion>
#include <vector>

namespace brelvane {

// Which way a squeeze turns its source over.
struct Mirror {
    bool leftRight = false;
    bool topBottom = false;
};

QRect ToRect(Box box);

// Copies a box of the new picture to the same place of the frame.
void Show(TransitionFrame& f, Box area);

// Copies a box of the new picture stretched (nearest pixel) into a box of the frame.
void Squeeze(TransitionFrame& f, Box from, Box to, Mirror mirror = {});

// Copies a box of the old image, as the frame holds it, stretched into a box of the frame.
void Move(TransitionFrame& f, Box from, Box to);

// Draws the new picture over the frame through a region.
void ShowRegion(TransitionFrame& f, const QRegion& region);

// Draws the new picture through the union of the boxes.
void ShowBoxes(TransitionFrame& f, const std::vector<Box>& boxes);

// Unites many boxes pairwise, keeping each union small, for styles that need the region itself.
QRegion UniteBoxes(const std::vector<Box>& boxes);

} // namespace brelvane
