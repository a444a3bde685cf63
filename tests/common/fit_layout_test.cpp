// The dialogs' layout step: what grows, what moves out of its way, and what stays.
#include "common/fit_layout.h"

#include <gtest/gtest.h>

namespace {

LayoutControl Control(int left, int top, int width, int height, int neededWidth = 0, int neededHeight = 0) {
    return {{left, top, left + width, top + height}, neededWidth, neededHeight};
}

LayoutRect Rect(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// No two controls that were apart in the template overlap, and all lie inside the client area.
void ExpectApartAndInside(const std::vector<LayoutControl>& controls, const FittedLayout& fitted) {
    for (std::size_t i = 0; i < fitted.rects.size(); ++i) {
        EXPECT_GE(fitted.rects[i].left, 0) << i;
        EXPECT_GE(fitted.rects[i].top, 0) << i;
        EXPECT_LE(fitted.rects[i].right, fitted.clientWidth) << i;
        EXPECT_LE(fitted.rects[i].bottom, fitted.clientHeight) << i;
        for (std::size_t j = i + 1; j < fitted.rects.size(); ++j) {
            if (Overlap(controls[i].rect, controls[j].rect)) continue;
            EXPECT_FALSE(Overlap(fitted.rects[i], fitted.rects[j])) << i << " and " << j;
        }
    }
}

}  // namespace

TEST(FitLayout, NothingMovesWhenEveryTextFits) {
    // The search dialog's shape: a label, a spare static beside it, a line, a note and a button.
    const std::vector<LayoutControl> controls = {Control(8, 8, 107, 12, 100, 12), Control(120, 8, 157, 12),
                                                 Control(15, 24, 262, 12, 262, 12), Control(8, 40, 277, 12, 10, 5),
                                                 Control(202, 65, 75, 23, 60, 18)};
    const FittedLayout fitted = FitLayout(controls, 287, 96);
    for (std::size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(fitted.rects[i], controls[i].rect) << i;
    EXPECT_EQ(fitted.clientWidth, 287);
    EXPECT_EQ(fitted.clientHeight, 96);
}

TEST(FitLayout, AWiderTextPushesWhatLiesToItsRightAndTheWindowEdge) {
    const std::vector<LayoutControl> controls = {
        Control(10, 10, 50, 12, 80),  // grows by 30
        Control(65, 10, 40, 12),      // covered by it: moves 30
        Control(110, 10, 40, 12),     // covered by the moved one in turn: moves 30
        Control(200, 10, 40, 12),     // still clear of the chain: stays
        Control(10, 30, 150, 12),     // the row below: stays
        Control(90, 5, 10, 3),        // above the grown control's top: stays
    };
    const FittedLayout fitted = FitLayout(controls, 245, 50);
    EXPECT_EQ(fitted.rects[0], Rect(10, 10, 80, 12));
    EXPECT_EQ(fitted.rects[1], Rect(95, 10, 40, 12));
    EXPECT_EQ(fitted.rects[2], Rect(140, 10, 40, 12));
    EXPECT_EQ(fitted.rects[3], controls[3].rect);
    EXPECT_EQ(fitted.rects[4], controls[4].rect);
    EXPECT_EQ(fitted.rects[5], controls[5].rect);
    EXPECT_EQ(fitted.clientWidth, 245);  // the farthest right edge did not move
    ExpectApartAndInside(controls, fitted);

    // A text at the edge takes the window with it, keeping the template's margin.
    const std::vector<LayoutControl> atEdge = {Control(5, 25, 280, 12, 330), Control(200, 60, 75, 23)};
    const FittedLayout wider = FitLayout(atEdge, 287, 96);
    EXPECT_EQ(wider.rects[0], Rect(5, 25, 330, 12));
    EXPECT_EQ(wider.rects[1], atEdge[1].rect);
    EXPECT_EQ(wider.clientWidth, 287 + 50);
    EXPECT_EQ(wider.clientHeight, 96);
}

TEST(FitLayout, ATallerNotePushesWhatLiesBelowIt) {
    const std::vector<LayoutControl> controls = {
        Control(240, 160, 165, 23, 0, 30),  // a two-line note that needs 7 more pixels
        Control(330, 185, 60, 15),          // right below it: moves 7 down
        Control(330, 205, 60, 15),          // below that one: moves too
        Control(7, 195, 315, 180),          // below, but left of the note: stays
        Control(420, 160, 30, 30),          // beside it: stays
    };
    const FittedLayout fitted = FitLayout(controls, 460, 390);
    EXPECT_EQ(fitted.rects[0], Rect(240, 160, 165, 30));
    EXPECT_EQ(fitted.rects[1], Rect(330, 192, 60, 15));
    EXPECT_EQ(fitted.rects[2], Rect(330, 212, 60, 15));
    EXPECT_EQ(fitted.rects[3], controls[3].rect);
    EXPECT_EQ(fitted.rects[4], controls[4].rect);
    EXPECT_EQ(fitted.clientHeight, 390);  // the list still reaches farthest down
    ExpectApartAndInside(controls, fitted);
}

TEST(FitLayout, NothingOverlapsAfterGrowthInBothDirections) {
    // A crowded grid where every other control grows both ways: each push may cause the next.
    std::vector<LayoutControl> controls;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const bool grows = (row + column) % 2 == 0;
            controls.push_back(Control(5 + 30 * column, 5 + 20 * row, 25, 15, grows ? 33 : 0, grows ? 22 : 0));
        }
    }
    controls.push_back(Control(0, 0, 3, 3));  // in the corner: nothing reaches it
    const FittedLayout fitted = FitLayout(controls, 155, 105);
    ExpectApartAndInside(controls, fitted);
    for (std::size_t i = 0; i + 1 < controls.size(); ++i) {
        EXPECT_GE(fitted.rects[i].Width(), controls[i].neededWidth) << i;
        EXPECT_GE(fitted.rects[i].Height(), controls[i].neededHeight) << i;
    }
    EXPECT_EQ(fitted.rects.back(), controls.back().rect);
    EXPECT_GT(fitted.clientWidth, 155);
    EXPECT_GT(fitted.clientHeight, 105);
}

TEST(FitLayout, ControlsThatOverlapInTheTemplateStayTogether) {
    // A label drawn over a frame on purpose: the label's growth does not push the frame.
    const std::vector<LayoutControl> controls = {Control(10, 10, 200, 100), Control(20, 5, 40, 12, 60)};
    const FittedLayout fitted = FitLayout(controls, 220, 120);
    EXPECT_EQ(fitted.rects[0], controls[0].rect);
    EXPECT_EQ(fitted.rects[1], Rect(20, 5, 60, 12));
}
