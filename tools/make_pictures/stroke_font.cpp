#include "stroke_font.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace pictures {
namespace {

// Each glyph is a set of strokes on a grid 8 steps tall, y growing downwards:
// a stroke is a run of "x,y" points, and "/" starts the next stroke. Corners
// are cut at 45 degrees, the look of the company's lettering.
struct Glyph {
    char letter;
    const char* strokes;
};

constexpr Glyph kGlyphs[] = {
    {'A', "0,8 0,2 2,0 4,0 6,2 6,8 / 0,5 6,5"},
    {'B', "0,0 0,8 5,8 6,7 6,5 5,4 0,4 / 0,0 5,0 6,1 6,3 5,4"},
    {'C', "6,0 2,0 0,2 0,6 2,8 6,8"},
    {'D', "0,0 0,8 4,8 6,6 6,2 4,0 0,0"},
    {'E', "6,0 0,0 0,8 6,8 / 0,4 4,4"},
    {'F', "6,0 0,0 0,8 / 0,4 4,4"},
    {'G', "6,0 2,0 0,2 0,6 2,8 6,8 6,4 3,4"},
    {'H', "0,0 0,8 / 6,0 6,8 / 0,4 6,4"},
    {'I', "0,0 4,0 / 2,0 2,8 / 0,8 4,8"},
    {'J', "6,0 6,6 4,8 2,8 0,6"},
    {'K', "0,0 0,8 / 6,0 2,4 6,8 / 0,4 2,4"},
    {'L', "0,0 0,8 6,8"},
    {'M', "0,8 0,0 4,5 8,0 8,8"},
    {'N', "0,8 0,0 6,8 6,0"},
    {'O', "2,0 4,0 6,2 6,6 4,8 2,8 0,6 0,2 2,0"},
    {'P', "0,8 0,0 5,0 6,1 6,3 5,4 0,4"},
    {'Q', "2,0 4,0 6,2 6,6 4,8 2,8 0,6 0,2 2,0 / 4,6 6,8"},
    {'R', "0,8 0,0 5,0 6,1 6,3 5,4 0,4 / 3,4 6,8"},
    {'S', "6,0 1,0 0,1 0,3 1,4 5,4 6,5 6,7 5,8 0,8"},
    {'T', "0,0 6,0 / 3,0 3,8"},
    {'U', "0,0 0,6 2,8 4,8 6,6 6,0"},
    {'V', "0,0 3,8 6,0"},
    {'W', "0,0 2,8 4,3 6,8 8,0"},
    {'X', "0,0 6,8 / 6,0 0,8"},
    {'Y', "0,0 3,4 6,0 / 3,4 3,8"},
    {'Z', "0,0 6,0 0,8 6,8"},
    {'0', "2,0 4,0 6,2 6,6 4,8 2,8 0,6 0,2 2,0 / 6,2 0,6"},
    {'1', "1,2 3,0 3,8 / 1,8 5,8"},
    {'2', "0,2 2,0 4,0 6,2 6,3 0,8 6,8"},
    {'3', "0,1 1,0 5,0 6,1 6,3 5,4 2,4 / 5,4 6,5 6,7 5,8 1,8 0,7"},
    {'4', "5,8 5,0 0,6 6,6"},
    {'5', "6,0 0,0 0,4 5,4 6,5 6,7 5,8 0,8"},
    {'6', "5,0 2,0 0,2 0,7 1,8 5,8 6,7 6,5 5,4 0,4"},
    {'7', "0,0 6,0 2,8"},
    {'8', "1,4 0,3 0,1 1,0 5,0 6,1 6,3 5,4 1,4 0,5 0,7 1,8 5,8 6,7 6,5 5,4"},
    {'9', "6,4 1,4 0,3 0,1 1,0 5,0 6,1 6,6 4,8 1,8"},
};

constexpr float kCapHeight = 8;
constexpr float kSpaceWidth = 4;

const Glyph& FindGlyph(char letter) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter) {
            return glyph;
        }
    }
    throw std::invalid_argument(std::string("no glyph for '") + letter + "'");
}

// The strokes of one glyph in grid steps, and the glyph's width.
std::vector<std::vector<Vec2>> ParseStrokes(const char* text, float& width) {
    std::vector<std::vector<Vec2>> strokes(1);
    width = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '/') {
            strokes.emplace_back();
        } else if (*c >= '0' && *c <= '9') {
            // A point is a digit, a comma and a digit.
            Vec2 point{static_cast<float>(c[0] - '0'), static_cast<float>(c[2] - '0')};
            strokes.back().push_back(point);
            width = std::max(width, point.x);
            c += 2;
        }
    }
    return strokes;
}

}  // namespace

StrokeText::StrokeText(std::string_view text, Vec2 origin, const TextStyle& style)
    : weight_(style.weight) {
    height_ = kCapHeight * style.unit;
    float pen = 0;
    for (char letter : text) {
        if (letter == ' ') {
            pen += (kSpaceWidth + style.spacing) * style.unit;
            continue;
        }
        float glyphWidth = 0;
        for (const auto& stroke : ParseStrokes(FindGlyph(letter).strokes, glyphWidth)) {
            for (std::size_t i = 1; i < stroke.size(); ++i) {
                auto place = [&](Vec2 grid) {
                    float y = grid.y * style.unit;
                    return Vec2{origin.x + pen + grid.x * style.unit + (height_ - y) * style.slant,
                                origin.y + y};
                };
                segments_.push_back({place(stroke[i - 1]), place(stroke[i])});
            }
        }
        pen += (glyphWidth + style.spacing) * style.unit;
    }
    width_ = std::max(pen - style.spacing * style.unit, 0.0f);
    min_ = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    max_ = {std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
    for (const Segment& s : segments_) {
        min_ = {std::min({min_.x, s.a.x, s.b.x}), std::min({min_.y, s.a.y, s.b.y})};
        max_ = {std::max({max_.x, s.a.x, s.b.x}), std::max({max_.y, s.a.y, s.b.y})};
    }
}

StrokeText StrokeText::Centred(std::string_view text, Vec2 centre, const TextStyle& style) {
    StrokeText measure(text, {0, 0}, style);
    return StrokeText(text,
                      {centre.x - measure.Width() / 2 - measure.Height() * style.slant / 2,
                       centre.y - measure.Height() / 2},
                      style);
}

float StrokeText::Distance(Vec2 p) const {
    // Far from the line the distance to its box is close enough, and it
    // spares measuring every stroke for every pixel of the picture.
    Vec2 outside{std::max({min_.x - p.x, p.x - max_.x, 0.0f}),
                 std::max({min_.y - p.y, p.y - max_.y, 0.0f})};
    float boxDistance = Length(outside) - weight_;
    if (boxDistance > 4 * weight_ + 8) {
        return boxDistance;
    }
    float best = std::numeric_limits<float>::max();
    for (const Segment& s : segments_) {
        best = std::min(best, CapsuleDistance(p, s.a, s.b, weight_));
    }
    return best;
}

}  // namespace pictures
