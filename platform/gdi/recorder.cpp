#include "platform/gdi/hooks.h"

namespace vandrel::hooks {
namespace {

struct Recorder {
    bool enabled = false;
    std::vector<GdiCall> calls;
};

Recorder& TheRecorder() {
    static Recorder recorder;
    return recorder;
}

}  // namespace

void RecordGdiCalls(bool enable) {
    TheRecorder().enabled = enable;
}

const std::vector<GdiCall>& RecordedGdiCalls() {
    return TheRecorder().calls;
}

void ClearRecordedGdiCalls() {
    TheRecorder().calls.clear();
}

void RecordGdiCall(std::string_view name, std::initializer_list<std::int64_t> args) {
    Recorder& recorder = TheRecorder();
    if (recorder.enabled) {
        recorder.calls.push_back({std::string(name), std::vector<std::int64_t>(args)});
    }
}

}  // namespace vandrel::hooks
