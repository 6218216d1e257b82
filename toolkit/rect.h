// A pixel rectangle. Its four edges belong to it: a point on any edge counts as inside, and
// rectangles that only touch count as overlapping, which is what hit testing and redrawing use.
#pragma once

#include "toolkit/point.h"

#include <algorithm>
#include <cstdint>

namespace toolkit {

struct CRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
        : left(left), top(top), right(right), bottom(bottom) {}

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    constexpr CPoint topLeft() const { return {left, top}; }

    constexpr CRect& offset(std::int32_t dh, std::int32_t dv) {
        left += dh;
        right += dh;
        top += dv;
        bottom += dv;
        return *this;
    }
    constexpr CRect offsetBy(CPoint p) const {
        CRect r = *this;
        return r.offset(p.h, p.v);
    }
    constexpr bool pointInside(CPoint p) const {
        return p.h >= left && p.h <= right && p.v >= top && p.v <= bottom;
    }
    constexpr bool touches(const CRect& r) const {
        return r.left <= right && r.right >= left && r.top <= bottom && r.bottom >= top;
    }
    // Intersection; an empty result keeps right >= left and bottom >= top.
    constexpr CRect clippedTo(const CRect& r) const {
        CRect c(std::max(left, r.left), std::max(top, r.top), std::min(right, r.right),
                std::min(bottom, r.bottom));
        c.right = std::max(c.right, c.left);
        c.bottom = std::max(c.bottom, c.top);
        return c;
    }
    constexpr bool operator==(const CRect&) const = default;
};

} // namespace toolkit
