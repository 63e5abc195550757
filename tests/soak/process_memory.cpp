#include "tests/soak/process_memory.h"

#include <unistd.h>

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vandrel::soak {

std::size_t ResidentBytes() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return 0;
    }
    unsigned long sizePages = 0;
    unsigned long residentPages = 0;
    const int read = std::fscanf(statm, "%lu %lu", &sizePages, &residentPages);
    std::fclose(statm);
    if (read != 2) {
        return 0;
    }
    return static_cast<std::size_t>(residentPages) *
           static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t PeakResidentBytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return 0;
    }
    char line[256];
    unsigned long kib = 0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmHWM: %lu kB", &kib) == 1) {
            break;
        }
    }
    std::fclose(status);
    return static_cast<std::size_t>(kib) * 1024;
}

std::optional<std::size_t> LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return std::nullopt;
#endif
}

void GrowthWatch::SetBaseline(std::size_t bytes) {
    m_hasBaseline = true;
    m_baseline = bytes;
    m_last = bytes;
    m_largest = bytes;
}

void GrowthWatch::Sample(std::size_t bytes) {
    m_last = bytes;
    if (m_hasBaseline && bytes > m_largest) {
        m_largest = bytes;
    }
}

}  // namespace vandrel::soak
