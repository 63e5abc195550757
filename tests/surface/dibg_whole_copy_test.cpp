#include <cstring>

#include "tests/surface/surface_fixture.h"

namespace {

using namespace vandrel::testing;
using WholeCopyTest = SurfaceTest;

std::vector<BYTE> Pixels(const CDibG& dib) {
    return {dib.GetBits(), dib.GetBits() + dib.GetImageSize()};
}

TEST_F(WholeCopyTest, CopyCreatesAnEmptySurfaceLikeItsSource) {
    StartWinG();
    CPalId pal;
    ProbedDib source;
    source.Create("zorble2", &pal, CDibG::kSourceResource);
    ProbedDib copy;
    copy.CopyFrom(&source);
    ASSERT_TRUE(copy.IsCreated());
    EXPECT_NE(copy.GetBits(), source.GetBits());
    EXPECT_EQ(copy.GetSize(), source.GetSize());
    EXPECT_EQ(copy.GetPalette(), &pal);
    EXPECT_EQ(Pixels(copy), Pixels(source));
    EXPECT_EQ(copy.GetPixel(10, 0), source.GetPixel(10, 0));
}

TEST_F(WholeCopyTest, ColourTableTravelsOnlyWhenAsked) {
    StartGdi();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib source;
    ProbedDib target;
    source.Create(8, 8, &pal);
    target.Create(8, 8, &pal);
    source.FillIndex(4);
    source.GetBitmapInfo()->bmiColors[1] = {1, 2, 3, 0};
    target.GetBitmapInfo()->bmiColors[1] = {9, 9, 9, 0};
    target.Copy(&source, FALSE);
    EXPECT_EQ(Pixels(target), std::vector<BYTE>(64, 4));
    EXPECT_EQ(target.Info().bmiColors[1].rgbBlue, 9);
    target.CopyAll(&source);
    EXPECT_EQ(target.Info().bmiColors[1].rgbBlue, 1);
}

TEST_F(WholeCopyTest, MismatchedSelfAndEmptySourcesCopyNothing) {
    StartGdi();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib small;
    ProbedDib large;
    small.Create(4, 4, &pal);
    large.Create(8, 8, &pal);
    small.FillIndex(1);
    large.FillIndex(2);
    large.Copy(&small, TRUE);
    EXPECT_EQ(Pixels(large), std::vector<BYTE>(64, 2));
    large.Copy(&large, TRUE);
    EXPECT_EQ(Pixels(large), std::vector<BYTE>(64, 2));
    large = small;
    EXPECT_EQ(Pixels(large), std::vector<BYTE>(64, 2));

    ProbedDib empty;
    ProbedDib target;
    EXPECT_THROW(target.Copy(&empty, TRUE), CMemoryException);
    EXPECT_FALSE(target.IsCreated());
}

TEST_F(WholeCopyTest, AssignmentCopiesBetweenSurfacesOfOneSize) {
    StartGdi();
    CPalId pal;
    pal.Create(FALSE);
    ProbedDib source;
    ProbedDib target;
    source.Create(8, 8, &pal);
    target.Create(8, 8, &pal);
    source.FillIndex(6);
    // A surface destroyed since keeps its size, and assignment recreates it.
    target.Destroy();
    CDibG& result = (target = source);
    EXPECT_EQ(&result, &target);
    ASSERT_TRUE(target.IsCreated());
    EXPECT_EQ(Pixels(target), std::vector<BYTE>(64, 6));
}

}  // namespace
