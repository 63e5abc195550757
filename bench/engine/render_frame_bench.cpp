// The cost of one frame: the plain formula, the renderer as the program calls
// it, each instruction-set path, and a 64 KiB copy as the floor no frame can
// beat.
#include "engine/render_paths.h"
#include "engine/render_state.h"
#include "engine/wave_presets.h"
#include "engine/wave_table.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace vandrel::engine;

constexpr int kSide = 256;
constexpr std::int64_t kFrameBytes = kSide * kSide;

// A bottom-up 256 x 256 surface that finds its rows through an offset table,
// as the program's surface does, together with a random source picture.
class BenchFrame {
public:
    BenchFrame() : source_(kFrameBytes), pixels_(kFrameBytes) {
        std::mt19937 random(1);
        for (std::uint8_t& pixel : source_) {
            pixel = static_cast<std::uint8_t>(random());
        }
        for (int y = 0; y < kSide; ++y) {
            rowOf_[static_cast<std::size_t>(y)] = pixels_.data() + (kSide - 1 - y) * kSide;
        }
        FillWaveTable(wave_, kWavyPreset.halfPeriod, kWavyPreset.waveShift);
        g_pSourceBits = source_.data();
    }
    ~BenchFrame() { g_pSourceBits = nullptr; }
    BenchFrame(const BenchFrame&) = delete;
    BenchFrame& operator=(const BenchFrame&) = delete;

    std::uint8_t* operator()(int y) const { return rowOf_[static_cast<std::size_t>(y)]; }

    const std::array<std::int32_t, kWaveEntries>& wave() const { return wave_; }
    const std::uint8_t* pixels() const { return pixels_.data(); }

    // The phases move on by the Wavy steps after every frame, as in the
    // running program, so no two consecutive frames are alike.
    void Advance() {
        colPhase += static_cast<std::uint32_t>(kWavyPreset.colStep);
        rowPhase += static_cast<std::uint32_t>(kWavyPreset.rowStep);
    }

    std::uint32_t colPhase = 0;
    std::uint32_t rowPhase = 0;

private:
    std::vector<std::uint8_t> source_;
    std::vector<std::uint8_t> pixels_;
    std::array<std::uint8_t*, kSide> rowOf_{};
    std::array<std::int32_t, kWaveEntries> wave_{};
};

template <typename Render>
void RunFrames(benchmark::State& state, Render render) {
    BenchFrame frame;
    for (auto _ : state) {
        render(frame);
        benchmark::DoNotOptimize(frame.pixels());
        benchmark::ClobberMemory();
        frame.Advance();
    }
    state.SetBytesProcessed(state.iterations() * kFrameBytes);
}

void BM_RenderFrameReference(benchmark::State& state) {
    RunFrames(state, [](BenchFrame& frame) {
        RenderFrameReference(frame.wave(), frame.colPhase, frame.rowPhase,
                             MemoryRowOrder::kBottomUp, RowAccessor(frame));
    });
}
BENCHMARK(BM_RenderFrameReference);

void BM_RenderFrame(benchmark::State& state) {
    RunFrames(state, [](BenchFrame& frame) {
        RenderFrame(frame.wave(), frame.colPhase, frame.rowPhase, MemoryRowOrder::kBottomUp,
                    RowAccessor(frame));
    });
}
BENCHMARK(BM_RenderFrame);

void BM_RenderFramePath(benchmark::State& state, RenderPath path) {
    if (!IsRenderPathSupported(path)) {
        state.SkipWithError("path not available on this CPU");
        return;
    }
    RunFrames(state, [path](BenchFrame& frame) {
        RenderFrameWithPath(path, frame.wave(), frame.colPhase, frame.rowPhase,
                            MemoryRowOrder::kBottomUp, RowAccessor(frame));
    });
}

// Registered as BM_RenderFrame/<path> so the paths sort next to the real
// renderer in the report.
const bool kPathsRegistered = [] {
    for (RenderPath path : kAllRenderPaths) {
        const std::string name = "BM_RenderFrame/" + std::string(RenderPathName(path));
        benchmark::RegisterBenchmark(name.c_str(), BM_RenderFramePath, path);
    }
    return true;
}();

void BM_Copy64K(benchmark::State& state) {
    std::vector<std::uint8_t> from(kFrameBytes, 0x5A);
    std::vector<std::uint8_t> to(kFrameBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kFrameBytes);
}
BENCHMARK(BM_Copy64K);

}  // namespace
