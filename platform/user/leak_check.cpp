// Leak checking in sanitizer builds. fontconfig, which Qt loads for fonts,
// keeps its configuration for the life of the process and is never
// finalised: that memory is not a leak of ours.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
