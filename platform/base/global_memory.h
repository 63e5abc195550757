// Movable global memory blocks. A block is reached through its handle and
// gives its address only while locked; our blocks never actually move, but
// the lock count is kept so that an unbalanced unlock or a free of an
// unknown handle is caught instead of corrupting memory.
#pragma once

#include <cstddef>

#include "platform/base/win_types.h"

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Null when the memory cannot be had. Fixed and movable blocks behave alike,
// since no block ever moves.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
// The block's address, and one more lock; null for a null or unknown handle.
LPVOID GlobalLock(HGLOBAL block);
// One lock less; TRUE while the block is still locked.
BOOL GlobalUnlock(HGLOBAL block);
// Null on success, the handle itself when it is not a live block.
HGLOBAL GlobalFree(HGLOBAL block);
// The handle of the block whose memory starts at the address, or null.
HGLOBAL GlobalHandle(const void* memory);
std::size_t GlobalSize(HGLOBAL block);

namespace vandrel::hooks {

// Lets the next `successes` allocations through and fails the one after, and
// every later one until ClearAllocationFailure. A negative count turns
// injection off.
void FailGlobalAllocAfter(int successes);
void ClearAllocationFailure();
// Blocks currently allocated and not freed, to catch leaks in tests.
std::size_t LiveGlobalBlocks();

}  // namespace vandrel::hooks
