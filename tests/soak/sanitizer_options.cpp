// How the address sanitizer's allocator treats freed memory, for a run whose
// resident memory is measured. By default it keeps 256 MiB of freed blocks
// out of use, to catch late uses; the program frees tens of KiB a frame
// (each doubled frame's own copy of its pixels among them), so that
// quarantine would fill within the first few thousand frames and read as
// growth, and even a small one ratchets every size class it passes through
// up by its own size. Without it, freed blocks are reused at once (a use
// after a free is still caught until its block is handed out again; the
// other tests keep the quarantine). Memory the allocator once held is kept
// rather than handed back to the system at moments of its choosing, so that
// resident memory shows the high-water mark of the heap and not the
// allocator's timing.
// ASAN_OPTIONS set by hand still win.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((visibility("default"))) const char* __asan_default_options() {
    return "quarantine_size_mb=0:allocator_release_to_os_interval_ms=-1";
}
#endif
