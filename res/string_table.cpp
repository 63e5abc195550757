// The string table. Each string is compiled in as a resource of its own,
// type RT_STRING, named by its id. A command's string is its status-bar
// prompt, then after a line break its tooltip.
#include <cstring>
#include <iterator>
#include <vector>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "res/resource.h"

namespace {

struct StringEntry {
    UINT id;
    const char* text;
};

const StringEntry kStrings[] = {
    {IDR_MAINFRAME,
     "Vandrel 95\nVandrel\nVandrel Document\n\n\nVandrel.Document\nVandrel Document"},
    {IDS_NO_WING,
     "Unable to access WinG.  You may wish to install WinG because it provides enhanced "
     "graphics performance on most systems.  You can install WinG by selecting 'setup' from "
     "the KORVANTH CD Vistrel."},
    {IDS_OUT_OF_MEMORY,
     "Not enough memory to complete the operation.\n\nThe application will be terminated."},
    {IDS_UNEXPECTED_ERROR,
     "An unexpected error has occurred.\n\nThe application will be terminated."},
    {IDS_PROFILING_VIDEO, "KORVANTH is profiling your video for optimal performance!"},
    {AFX_IDS_APP_TITLE, "Vandrel 95"},
    {AFX_IDS_IDLEMESSAGE, "Vandrel 95: real-time sine wave distortion by KORVANTH"},

    {ID_DISPLAY_NORMAL, "Display the bitmap at normal size\nNormal Size"},
    {ID_DISPLAY_DOUBLED, "Display the bitmap at double the resolution\nDouble Size"},
    {ID_DISPLAY_WINDOW, "Display the bitmap at the size of the window\nWindow Size"},
    {ID_BENCH_100FRAMES, "Render 100 frames as fast as possible"},
    {ID_BENCH_1000FRAMES, "Render 1000 frames as fast as possible"},
    {ID_BENCH_1SECOND, "Render as many frames as possible in 1 second"},
    {ID_BENCH_10SECONDS, "Render as many frames as possible in 10 seconds"},
    {ID_HELP_ABOUTMAKER, "Display information about KORVANTH\nAbout KORVANTH"},
    {ID_ZORBLE_RANDOM, "Set the Zorble parameters to random values\nRandom"},
    {ID_ZORBLE_RIPPLES, "Set the Zorble parameters to a ripple effect\nRipples"},
    {ID_ZORBLE_WAVY, "Set the Zorble parameters to a wavy effect\nWavy"},
    {ID_ZORBLE_TYPHOON, "Set the Zorble parameters to a typhoon effect\nTyphoon"},
    {ID_ZORBLE_SUBTLE, "Set the Zorble parameters to a subtle motion effect\nSubtle"},
    {ID_FILE_BITMAP1, "Select bitmap #1"},
    {ID_FILE_BITMAP2, "Select bitmap #2"},
    {ID_FILE_BITMAP3, "Select bitmap #3"},
    {ID_FILE_BITMAP4, "Select bitmap #4"},
    {ID_DRIVE_TIMER, "Use a timer to drive the display"},
    {ID_DRIVE_PEEKMESSAGE, "Use a \"Peek-Message\" loop to drive the display"},
    {ID_AUDIO_TUNE1, "Play tune #1"},
    {ID_AUDIO_TUNE2, "Play tune #2"},
    {ID_AUDIO_TUNE3, "Play tune #3"},
    {ID_AUDIO_TUNE4, "Play tune #4"},
    {ID_AUDIO_NOSOUND, "Turn off any currently playing tune"},
    {ID_AUDIO_NEXTTUNE, "Play the next tune\nNext Tune"},
    {ID_FILE_NEXTBITMAP, "Select the next bitmap\nNext Bitmap"},
    {ID_HELP_QUICKHELP, "Display helpful information on how to use Vandrel 95\nQuick Help"},
    {ID_INDICATOR_FPS, "Fps = 000"},
    {ID_FILE_NEW, "Create a new document"},
    {ID_FILE_OPEN, "Open an existing document"},
    {ID_APP_ABOUT, "Display information about Vandrel 95\nAbout Vandrel 95"},
    {ID_APP_EXIT, "Exit Vandrel 95\nExit"},

    // The framework's standard strings that the program can show.
    {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
};

const bool kRegistered = [] {
    static std::vector<vandrel::resources::Entry> entries;
    for (const StringEntry& entry : kStrings) {
        entries.push_back(
            {nullptr, 6 /* RT_STRING */, nullptr, entry.id, entry.text, std::strlen(entry.text)});
    }
    vandrel::resources::Register(AfxGetInstanceHandle(), entries.data(), entries.size());
    return true;
}();

}  // namespace
