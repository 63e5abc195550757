// A tiny library for the run-time loading tests.
extern "C" __attribute__((visibility("default"))) int TestComponentAnswer() {
    return 42;
}
