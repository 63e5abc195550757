#include "platform/base/cstring.h"

#include <gtest/gtest.h>

namespace {

TEST(CStringTest, FormatGrowsPastAnyFixedBuffer) {
    CString text;
    text.Format("Fps = %i", 12345);
    EXPECT_EQ(text, "Fps = 12345");
    const std::string longWord(5000, 'x');
    text.Format("%s!", longWord.c_str());
    EXPECT_EQ(text.GetLength(), 5001);
}

TEST(CStringTest, SlicesClampOutOfRangeArguments) {
    const CString text("WING32.DLL");
    EXPECT_EQ(text.Left(4), "WING");
    EXPECT_EQ(text.Left(99), "WING32.DLL");
    EXPECT_EQ(text.Mid(7), "DLL");
    EXPECT_EQ(text.Mid(20), "");
    EXPECT_EQ(text.Mid(4, 100), "32.DLL");
    EXPECT_EQ(text.Right(3), "DLL");
    EXPECT_EQ(text.Right(-1), "");
    EXPECT_EQ(text.Find('.'), 6);
    EXPECT_EQ(text.Find("DLL", 8), -1);
}

TEST(CStringTest, CaseHelpers) {
    CString text("Riff1");
    EXPECT_EQ(text.CompareNoCase("RIFF1"), 0);
    EXPECT_LT(text.CompareNoCase("riff2"), 0);
    text.MakeUpper();
    EXPECT_EQ(text, "RIFF1");
}

}  // namespace
