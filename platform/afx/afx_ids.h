// Ids, bar styles and private messages of the application framework.
#pragma once

#include "platform/user/user_types.h"

// Command notification codes for CCmdTarget::OnCmdMsg.
inline constexpr int CN_COMMAND = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

inline constexpr UINT ID_SEPARATOR = 0;

// The framework's standard commands.
inline constexpr UINT ID_FILE_NEW = 0xE100;
inline constexpr UINT ID_FILE_OPEN = 0xE101;
inline constexpr UINT ID_APP_ABOUT = 0xE140;
inline constexpr UINT ID_APP_EXIT = 0xE141;

// The framework's standard strings.
inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;
inline constexpr UINT AFX_IDP_FAILED_TO_OPEN_DOC = 0xF101;
inline constexpr UINT AFX_IDP_FAILED_TO_CREATE_DOC = 0xF104;

// Child window ids inside a frame.
inline constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
inline constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
inline constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// Control bar styles (the low word of a bar's creation style).
inline constexpr DWORD CBRS_TOOLTIPS = 0x0010;
inline constexpr DWORD CBRS_FLYBY = 0x0020;
inline constexpr DWORD CBRS_BORDER_TOP = 0x0200;
inline constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;

// Messages the framework sends among its own windows.
inline constexpr UINT WM_SETMESSAGESTRING = 0x0362;
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;
inline constexpr UINT WM_INITIALUPDATE = 0x0364;
