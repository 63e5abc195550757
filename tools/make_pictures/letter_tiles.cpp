// Picture 2: the program's and the maker's names in gold on glazed tiles,
// laid like bricks. Tiles are 128 x 32, so the wall repeats exactly every
// 256 pixels and wraps without a seam under the wave.
#include <cmath>

#include "metals.h"
#include "noise.h"
#include "pictures.h"
#include "stroke_font.h"

namespace pictures {
namespace {

constexpr float kTileWidth = 128;
constexpr float kTileHeight = 32;
constexpr float kGrout = 2;

struct Tile {
    Vec2 local;  // from the tile's centre
    int row;
};

Tile FindTile(Vec2 p) {
    int row = static_cast<int>(std::floor(p.y / kTileHeight));
    // Every other row is laid half a tile along, like brickwork.
    float shift = (row & 1) != 0 ? kTileWidth / 2 : 0;
    float column = std::floor((p.x + shift) / kTileWidth);
    Vec2 centre{column * kTileWidth + kTileWidth / 2 - shift,
                static_cast<float>(row) * kTileHeight + kTileHeight / 2};
    return {p - centre, row & 7};
}

struct Lettering {
    TextStyle style{1.75f, 1.4f, 0, 2};
    StrokeText product = StrokeText::Centred("VANDREL", {0, 0}, style);
    StrokeText company = StrokeText::Centred("KORVANTH", {0, 0}, style);
};

Rgb Shade(Vec2 p, const Lettering& lettering, const TilingNoise& glaze) {
    Tile tile = FindTile(p);
    bool productRow = (tile.row & 1) == 0;
    const StrokeText& text = productRow ? lettering.product : lettering.company;

    // The grout, in shadow below and to the right of each tile's edge.
    Vec2 half{kTileWidth / 2 - kGrout / 2, kTileHeight / 2 - kGrout / 2};
    auto slab = [&](Vec2 q) { return BoxDistance(q, {0, 0}, half, 3); };
    float groutShadow = 1 - SmoothStep(-2, 2.5f, slab(tile.local + Vec2{-1.5f, -1.5f}));
    Rgb colour = Hex(0x1A1620) * (1 - 0.6f * groutShadow);

    // Glazed tiles, plum and midnight blue by turns, clouded a little.
    Rgb deep = productRow ? Hex(0x1A2A6A) : Hex(0x4A1840);
    Rgb light = productRow ? Hex(0x3C64C0) : Hex(0x9A3A78);
    float cloud = glaze.Fractal(p.x, p.y, 8, 4);
    Relief face = Raise(slab, tile.local, 4.5f);
    Rgb glazeColour = Mix(deep, light, 0.2f + 0.75f * face.diffuse + 0.6f * (cloud - 0.5f));
    // The window the glaze reflects: a soft band across each tile's top.
    float gloss = SmoothStep(-13, -9, tile.local.y) * (1 - SmoothStep(-6, -1, tile.local.y));
    glazeColour += Hex(0xC0D0FF) * (0.16f * gloss * face.height);
    glazeColour += Hex(0xFFFFFF) * (0.5f * face.specular);
    colour = Mix(colour, glazeColour, face.coverage);

    // Gold letters standing proud of the glaze, with their shadows.
    auto letters = [&](Vec2 q) { return text.Distance(q); };
    float letterShadow = 1 - SmoothStep(-1, 2.5f, letters(tile.local + Vec2{-1.5f, -2}));
    colour = colour * (1 - 0.55f * letterShadow * face.coverage);
    Relief raised = Raise(letters, tile.local, 1.3f);
    return Mix(colour, Gold(raised), raised.coverage);
}

}  // namespace

RgbImage PaintLetterTiles() {
    RgbImage image;
    const Lettering lettering;
    const TilingNoise glaze(0x711Eu);
    Render(image, 3, [&](float x, float y) { return Shade({x, y}, lettering, glaze); });
    return image;
}

}  // namespace pictures
