#include "pictures.h"

namespace pictures {

std::span<const PictureRecipe> AllPictures() {
    static constexpr PictureRecipe kPictures[] = {
        {"ZORBLE1", {false, 0}, PaintEmblem},   {"ZORBLE2", {true, 2835}, PaintLetterTiles},
        {"ZORBLE3", {false, 0}, PaintLattice},  {"ZORBLE4", {true, 0}, PaintHornedSkull},
        {"TAVIK", {true, 3780}, PaintDuskLake}, {"MORLO", {false, 0}, PaintOwl},
    };
    return kPictures;
}

}  // namespace pictures
