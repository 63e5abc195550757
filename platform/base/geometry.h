// Points, sizes and rectangles with the application framework's meanings:
// a rectangle's right and bottom edges lie one past its last pixel, and
// Width() and Height() are plain differences that may be negative.
#pragma once

#include <algorithm>

#include "platform/base/win_types.h"

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int width, int height) : SIZE{width, height} {}
    constexpr CSize(SIZE size) : SIZE(size) {}

    constexpr bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
    constexpr CSize operator+(CSize other) const { return {cx + other.cx, cy + other.cy}; }
    constexpr CSize operator-(CSize other) const { return {cx - other.cx, cy - other.cy}; }
};

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x0, int y0) : POINT{x0, y0} {}
    constexpr CPoint(POINT point) : POINT(point) {}

    constexpr void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    constexpr CPoint operator+(CSize size) const { return {x + size.cx, y + size.cy}; }
    constexpr CPoint operator-(CSize size) const { return {x - size.cx, y - size.cy}; }
    constexpr CSize operator-(CPoint other) const { return {x - other.x, y - other.y}; }
};

class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(RECT rect) : RECT(rect) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(CPoint topLeft, CPoint bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    constexpr bool IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    constexpr void SetRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    constexpr void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(CPoint delta) { OffsetRect(delta.x, delta.y); }
    constexpr void InflateRect(int dx, int dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }

    // The overlap of a and b; an empty overlap leaves this rectangle all zero
    // and returns false, as the framework does.
    constexpr bool IntersectRect(const RECT& a, const RECT& b) {
        const CRect overlap(std::max(a.left, b.left), std::max(a.top, b.top),
                            std::min(a.right, b.right), std::min(a.bottom, b.bottom));
        if (overlap.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = overlap;
        return true;
    }

    constexpr bool operator==(const CRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};
