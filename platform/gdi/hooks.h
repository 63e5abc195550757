// Test hooks of the graphics layer: the display to emulate and a recorder of
// calls, which the WinG-compatible component also writes into.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vandrel::hooks {

// An emulated palette display with `sizePalette` system slots (1 to 1024),
// `numReserved` of them static: half (rounded down) at the start, the rest
// at the end. The system palette starts afresh.
void SetPaletteDisplay(int sizePalette = 256, int numReserved = 20);
void SetTrueColorDisplay();
// Back to the display that VANDREL_DISPLAY asks for, with a fresh system
// palette and the default screen size.
void ResetDisplay();

struct GdiCall {
    std::string name;
    std::vector<std::int64_t> args;
};

void RecordGdiCalls(bool enable);
const std::vector<GdiCall>& RecordedGdiCalls();
void ClearRecordedGdiCalls();
// Appends a record while recording is on.
void RecordGdiCall(std::string_view name, std::initializer_list<std::int64_t> args);

}  // namespace vandrel::hooks
