#include "engine/render_state.h"

std::uint8_t* g_pSourceBits = nullptr;
std::uint8_t g_byColumnMap[vandrel::engine::kFrameSide] = {};
