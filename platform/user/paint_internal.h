// Internal: makes the windows' backing images reachable by GetDC.
#pragma once

namespace vandrel::user {

void ProvideWindowSurfaces();

}  // namespace vandrel::user
