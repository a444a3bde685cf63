// The layout step.
#include "common/fit_layout.h"

#include <algorithm>
#include <cstddef>

bool Overlap(const LayoutRect& a, const LayoutRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

namespace {

// Moves what the grown control now covers by (dx, dy), and what each moved one covers in turn.
// Controls that overlapped in the template were drawn so on purpose and stay where they are.
void PushAside(std::vector<LayoutRect>& rects, const std::vector<LayoutControl>& controls, std::size_t grown, int dx,
               int dy) {
    std::vector<bool> moved(rects.size(), false);
    moved[grown] = true;
    std::vector<std::size_t> pushers{grown};
    while (!pushers.empty()) {
        const std::size_t pusher = pushers.back();
        pushers.pop_back();
        for (std::size_t other = 0; other < rects.size(); ++other) {
            if (moved[other] || !Overlap(rects[pusher], rects[other]) ||
                Overlap(controls[pusher].rect, controls[other].rect)) {
                continue;
            }
            LayoutRect& rect = rects[other];
            rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
            moved[other] = true;
            pushers.push_back(other);
        }
    }
}

template <typename Edge>
int FarthestEdge(const std::vector<LayoutRect>& rects, Edge edge) {
    int farthest = 0;
    for (const LayoutRect& rect : rects) farthest = std::max(farthest, edge(rect));
    return farthest;
}

}  // namespace

FittedLayout FitLayout(const std::vector<LayoutControl>& controls, int clientWidth, int clientHeight) {
    FittedLayout fitted;
    for (const LayoutControl& control : controls) fitted.rects.push_back(control.rect);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        LayoutRect& rect = fitted.rects[i];
        const int dx = controls[i].neededWidth - rect.Width();
        if (dx > 0) {
            rect.right += dx;
            PushAside(fitted.rects, controls, i, dx, 0);
        }
        const int dy = controls[i].neededHeight - rect.Height();
        if (dy > 0) {
            rect.bottom += dy;
            PushAside(fitted.rects, controls, i, 0, dy);
        }
    }
    std::vector<LayoutRect> before;
    for (const LayoutControl& control : controls) before.push_back(control.rect);
    const auto right = [](const LayoutRect& rect) { return rect.right; };
    const auto bottom = [](const LayoutRect& rect) { return rect.bottom; };
    fitted.clientWidth = clientWidth + std::max(0, FarthestEdge(fitted.rects, right) - FarthestEdge(before, right));
    fitted.clientHeight = clientHeight + std::max(0, FarthestEdge(fitted.rects, bottom) - FarthestEdge(before, bottom));
    return fitted;
}
