// The wait cursor over all of the program's windows; calls nest.
#pragma once

namespace vandrel::user {

void BeginWaitCursor();
void EndWaitCursor();

}  // namespace vandrel::user
