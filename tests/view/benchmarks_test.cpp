// The benchmarks' reports, and a timed run through the real window.
#include <regex>

#include "res/resource.h"
#include "tests/view/view_fixture.h"
#include "view/benchmark_text.h"

namespace {

using vandrel::view::FrameBenchmarkText;
using vandrel::view::TimedBenchmarkText;

TEST(BenchmarkTextTest, SecondsRoundUpFromTheSinglePrecisionThousandth) {
    struct Case {
        DWORD ms;
        const char* text;
    };
    for (const Case c : {Case{2345, "Rendered 100 frames in 2.35 seconds (2345 ms) at 512 x 512"},
                         Case{1005, "Rendered 100 frames in 1.01 seconds (1005 ms) at 512 x 512"},
                         Case{15, "Rendered 100 frames in 0.02 seconds (15 ms) at 512 x 512"}}) {
        EXPECT_EQ(FrameBenchmarkText(100, c.ms, CSize(512, 512)), c.text);
    }
}

TEST(BenchmarkTextTest, OneSecondIsSingular) {
    EXPECT_EQ(TimedBenchmarkText(4242, 1, 1003, CSize(256, 256)),
              "Rendered 4242 frames in 1 second (1003 ms) at 256 x 256");
    EXPECT_EQ(TimedBenchmarkText(4242, 10, 10001, CSize(1022, 700)),
              "Rendered 4242 frames in 10 seconds (10001 ms) at 1022 x 700");
}

using BenchmarkRunTest = ViewTest;

TEST_F(BenchmarkRunTest, TimedRunReportsInTheMessagePane) {
    ASSERT_TRUE(Start());
    Command(ID_BENCH_1SECOND);
    const std::string text = Frame()->m_wndStatusBar.GetPaneText(0).str();
    std::smatch match;
    ASSERT_TRUE(std::regex_match(
        text, match, std::regex(R"(Rendered (\d+) frames in 1 second \((\d+) ms\) at 512 x 512)")))
        << text;
    EXPECT_GT(std::stoi(match[1]), 0);
    EXPECT_GE(std::stoi(match[2]), 1000);

    Command(ID_BENCH_100FRAMES);
    EXPECT_TRUE(std::regex_match(
        Frame()->m_wndStatusBar.GetPaneText(0).str(),
        std::regex(R"(Rendered 100 frames in \d+\.\d\d seconds \(\d+ ms\) at 512 x 512)")));
}

}  // namespace
