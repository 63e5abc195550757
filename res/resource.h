// The program's resource and command ids, shared by the resource tables and
// the code that uses them.
#pragma once

#include "platform/afx/afx_ids.h"

// Menu, accelerators, icon, template string and toolbar strip.
inline constexpr UINT IDR_MAINFRAME = 2;
inline constexpr UINT IDI_MAKER = 1002;

// Dialog templates and the controls the program addresses.
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDD_ABOUTMAKER = 103;
inline constexpr UINT IDD_QUICKHELP = 104;
inline constexpr int IDC_WING_STATUS = 1000;
inline constexpr int IDC_MAKER_EMBLEM = 1003;

// Strings that are not command prompts.
inline constexpr UINT IDS_NO_WING = 3;
inline constexpr UINT IDS_OUT_OF_MEMORY = 4;
inline constexpr UINT IDS_UNEXPECTED_ERROR = 5;
inline constexpr UINT IDS_PROFILING_VIDEO = 6;

// Commands.
inline constexpr UINT ID_DISPLAY_NORMAL = 32776;
inline constexpr UINT ID_DISPLAY_DOUBLED = 32777;
inline constexpr UINT ID_DISPLAY_WINDOW = 32779;
inline constexpr UINT ID_BENCH_100FRAMES = 32780;
inline constexpr UINT ID_BENCH_1000FRAMES = 32782;
inline constexpr UINT ID_BENCH_1SECOND = 32783;
inline constexpr UINT ID_BENCH_10SECONDS = 32784;
inline constexpr UINT ID_HELP_ABOUTMAKER = 32785;
inline constexpr UINT ID_ZORBLE_RANDOM = 32792;
inline constexpr UINT ID_ZORBLE_RIPPLES = 32794;
inline constexpr UINT ID_ZORBLE_WAVY = 32795;
inline constexpr UINT ID_ZORBLE_TYPHOON = 32796;
inline constexpr UINT ID_ZORBLE_SUBTLE = 32797;
inline constexpr UINT ID_FILE_BITMAP1 = 32798;
inline constexpr UINT ID_FILE_BITMAP2 = 32799;
inline constexpr UINT ID_FILE_BITMAP3 = 32800;
inline constexpr UINT ID_FILE_BITMAP4 = 32801;
inline constexpr UINT ID_DRIVE_TIMER = 32802;
inline constexpr UINT ID_DRIVE_PEEKMESSAGE = 32803;
inline constexpr UINT ID_AUDIO_TUNE1 = 32804;
inline constexpr UINT ID_AUDIO_TUNE2 = 32805;
inline constexpr UINT ID_AUDIO_TUNE3 = 32806;
inline constexpr UINT ID_AUDIO_TUNE4 = 32807;
inline constexpr UINT ID_AUDIO_NOSOUND = 32808;
inline constexpr UINT ID_AUDIO_NEXTTUNE = 32809;
inline constexpr UINT ID_FILE_NEXTBITMAP = 32810;
inline constexpr UINT ID_HELP_QUICKHELP = 32811;
inline constexpr UINT ID_INDICATOR_FPS = 32812;
inline constexpr UINT ID_HIDDEN_TAVIK = 32813;
inline constexpr UINT ID_HIDDEN_MORLO = 32814;
