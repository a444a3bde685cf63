// The one layout step of every dialog: controls whose texts need more room than the template
// gives them grow, and what the growth would cover moves out of its way. Pure geometry, in pixels.
#pragma once

#include <vector>

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

inline bool operator==(const LayoutRect& a, const LayoutRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// True when the two rectangles share any pixel.
bool Overlap(const LayoutRect& a, const LayoutRect& b);

struct LayoutControl {
    LayoutRect rect;
    int neededWidth = 0;   // what its text needs; 0 for a control with nothing to measure
    int neededHeight = 0;
};

struct FittedLayout {
    std::vector<LayoutRect> rects;  // one for each control, in the order given
    int clientWidth = 0;
    int clientHeight = 0;
};

// Each control too small for its text grows to the right and down to what it needs. A control it
// would then cover, and in turn what that one would cover, moves right (or down) by the same
// amount; the client area grows by as much as the controls' right (or bottom) edge moved. Where
// everything fits, nothing changes.
FittedLayout FitLayout(const std::vector<LayoutControl>& controls, int clientWidth, int clientHeight);
