#include "platform/base/global_memory.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_map>

namespace {

// Pixel rows are handed to vector code, so blocks start on a cache line.
constexpr std::size_t kBlockAlignment = 64;

struct Block {
    void* memory;
    std::size_t bytes;
    unsigned lockCount;
};

// Keyed by handle value; the handle is the block's address, which is never
// reused while the block lives.
std::unordered_map<const void*, Block>& Blocks() {
    static std::unordered_map<const void*, Block> blocks;
    return blocks;
}

int g_allocationsBeforeFailure = -1;

bool InjectedFailure() {
    if (g_allocationsBeforeFailure < 0) {
        return false;
    }
    if (g_allocationsBeforeFailure == 0) {
        return true;
    }
    --g_allocationsBeforeFailure;
    return false;
}

Block* Find(HGLOBAL handle) {
    auto found = Blocks().find(handle);
    return found == Blocks().end() ? nullptr : &found->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) {
    if (InjectedFailure()) {
        return nullptr;
    }
    // aligned_alloc wants a size that is a multiple of the alignment, and a
    // zero-byte block must still have an address of its own.
    const std::size_t rounded = (bytes + kBlockAlignment) & ~(kBlockAlignment - 1);
    void* memory = std::aligned_alloc(kBlockAlignment, rounded);
    if (memory == nullptr) {
        return nullptr;
    }
    if ((flags & GMEM_ZEROINIT) != 0) {
        std::memset(memory, 0, rounded);
    }
    auto handle = static_cast<HGLOBAL>(memory);
    try {
        Blocks().emplace(handle, Block{memory, bytes, 0});
    } catch (const std::bad_alloc&) {
        std::free(memory);
        return nullptr;
    }
    return handle;
}

LPVOID GlobalLock(HGLOBAL handle) {
    Block* block = Find(handle);
    if (block == nullptr) {
        return nullptr;
    }
    ++block->lockCount;
    return block->memory;
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Block* block = Find(handle);
    if (block == nullptr || block->lockCount == 0) {
        return FALSE;
    }
    --block->lockCount;
    return block->lockCount > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    auto found = Blocks().find(handle);
    if (found == Blocks().end()) {
        return handle;
    }
    std::free(found->second.memory);
    Blocks().erase(found);
    return nullptr;
}

HGLOBAL GlobalHandle(const void* memory) {
    auto found = Blocks().find(memory);
    return found == Blocks().end() ? nullptr : static_cast<HGLOBAL>(found->second.memory);
}

std::size_t GlobalSize(HGLOBAL handle) {
    const Block* block = Find(handle);
    return block == nullptr ? 0 : block->bytes;
}

namespace vandrel::hooks {

void FailGlobalAllocAfter(int successes) {
    g_allocationsBeforeFailure = successes;
}

void ClearAllocationFailure() {
    g_allocationsBeforeFailure = -1;
}

std::size_t LiveGlobalBlocks() {
    return Blocks().size();
}

}  // namespace vandrel::hooks
