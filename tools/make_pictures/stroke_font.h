// Lettering for the pictures: our own chamfered capitals, drawn as strokes of
// round-ended lines so they scale to any size and come out smooth.
#pragma once

#include <string_view>
#include <vector>

#include "shapes.h"

namespace pictures {

struct TextStyle {
    float unit = 3;     // pixels per step of the glyph grid (capitals are 8 steps tall)
    float weight = 2;   // half the stroke width, in pixels
    float slant = 0;    // sideways shift per pixel of height, for italics
    float spacing = 2;  // grid steps between letters
};

class StrokeText {
public:
    // Lays out one line of capitals, digits and spaces with its top left
    // corner at origin.
    StrokeText(std::string_view text, Vec2 origin, const TextStyle& style);

    // A line centred on a point.
    static StrokeText Centred(std::string_view text, Vec2 centre, const TextStyle& style);

    float Distance(Vec2 p) const;
    float Width() const { return width_; }
    float Height() const { return height_; }

private:
    struct Segment {
        Vec2 a;
        Vec2 b;
    };

    std::vector<Segment> segments_;
    float weight_;
    float width_ = 0;
    float height_ = 0;
    Vec2 min_;
    Vec2 max_;
};

}  // namespace pictures
