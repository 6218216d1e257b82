// A pixel position: h grows to the right, v grows downwards.
#pragma once

#include <cstdint>

namespace toolkit {

struct CPoint {
    std::int32_t h = 0;
    std::int32_t v = 0;

    constexpr CPoint() = default;
    constexpr CPoint(std::int32_t h, std::int32_t v) : h(h), v(v) {}

    constexpr CPoint& offset(std::int32_t dh, std::int32_t dv) {
        h += dh;
        v += dv;
        return *this;
    }
    constexpr bool operator==(const CPoint&) const = default;
};

} // namespace toolkit
