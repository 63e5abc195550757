// Message boxes captioned with the application's title.
#pragma once

#include "platform/user/user_types.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is string `nIDPrompt`.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
