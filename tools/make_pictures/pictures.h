// The six built-in pictures: the name each is found by, how its header is
// filled in, and the painter that makes it.
#pragma once

#include <span>

#include "dib_writer.h"
#include "rgb_image.h"

namespace pictures {

RgbImage PaintEmblem();       // maker's emblem and name over a starfield
RgbImage PaintLetterTiles();  // the program's name tiled like bricks
RgbImage PaintLattice();      // black and white lattice woven over grey
RgbImage PaintHornedSkull();  // horned skull over crossed bones
RgbImage PaintDuskLake();     // hidden: mountains and a lake at dusk
RgbImage PaintOwl();          // hidden: the night owl on its branch

struct PictureRecipe {
    const char* name;
    HeaderStyle header;
    RgbImage (*paint)();
};

std::span<const PictureRecipe> AllPictures();

}  // namespace pictures
