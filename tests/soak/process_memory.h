// The process's memory as the kernel and the sanitizer's allocator count it,
// and a watch over one such figure for a long run: a baseline once the run
// has settled, then the largest growth over that baseline at any later
// sample.
#pragma once

#include <cstddef>
#include <optional>

namespace vandrel::soak {

// Resident set size now, in bytes (/proc/self/statm); 0 when unreadable.
std::size_t ResidentBytes();
// The highest resident set size this process has had, in bytes (VmHWM in
// /proc/self/status); 0 when unreadable.
std::size_t PeakResidentBytes();
// Bytes in live heap blocks, as the address sanitizer's allocator counts
// them (freed blocks in its quarantine excluded); nothing without it. Beside
// resident memory it tells a leak from the allocator's own keeping.
std::optional<std::size_t> LiveHeapBytes();

class GrowthWatch {
public:
    void SetBaseline(std::size_t bytes);
    // Samples before the baseline only count as the latest.
    void Sample(std::size_t bytes);

    bool HasBaseline() const { return m_hasBaseline; }
    std::size_t Baseline() const { return m_baseline; }
    std::size_t Last() const { return m_last; }
    std::size_t Largest() const { return m_largest; }
    // The largest sample since the baseline minus the baseline; 0 when none
    // exceeded it.
    std::size_t LargestGrowth() const { return m_largest - m_baseline; }

private:
    bool m_hasBaseline = false;
    std::size_t m_baseline = 0;
    std::size_t m_last = 0;
    std::size_t m_largest = 0;
};

}  // namespace vandrel::soak
