#include "platform/base/geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(GeometryTest, RectangleEdgesAreExclusive) {
    const CRect rect(CPoint(10, 20), CSize(256, 128));
    EXPECT_EQ(rect, CRect(10, 20, 266, 148));
    EXPECT_EQ(rect.Size(), CSize(256, 128));
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(266, 20)));
    EXPECT_EQ(rect.CenterPoint(), CPoint(138, 84));
}

TEST(GeometryTest, IntersectionEmptiesOnNoOverlap) {
    CRect result(1, 2, 3, 4);
    EXPECT_TRUE(result.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 5)));
    EXPECT_EQ(result, CRect(5, 0, 10, 5));
    EXPECT_FALSE(result.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(result.IsRectNull());
}

}  // namespace
