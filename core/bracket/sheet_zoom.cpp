#include "bracket/sheet_zoom.h"

#include <algorithm>
#include <iterator>

namespace kaz {
namespace {

constexpr int kZoomSteps[] = {25,  33,  50,  67,  75,  80,  90,  100,
                              110, 125, 150, 175, 200, 250, 300, 400};

}  // namespace

int boundedZoom(int percent) { return std::clamp(percent, kLeastZoom, kMostZoom); }

int zoomedIn(int percent) {
    const auto* next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
    return next == std::end(kZoomSteps) ? kMostZoom : *next;
}

int zoomedOut(int percent) {
    const auto* at = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), percent);
    return at == std::begin(kZoomSteps) ? kLeastZoom : *std::prev(at);
}

int zoomed(int coordinate, int percent) {
    const long long scaled = static_cast<long long>(coordinate) * percent;
    // Rounded up, for negative coordinates too.
    const long long whole =
        scaled >= 0 ? (scaled + kActualSize - 1) / kActualSize : -(-scaled / kActualSize);
    return static_cast<int>(whole);
}

Rect zoomed(const Rect& rect, int percent) {
    const int left = zoomed(rect.left, percent);
    const int top = zoomed(rect.top, percent);
    return {left, top, zoomed(rect.right(), percent) - left, zoomed(rect.bottom(), percent) - top};
}

Size zoomed(const Size& size, int percent) {
    return {zoomed(size.width, percent), zoomed(size.height, percent)};
}

}  // namespace kaz
