// The view's message map: its window messages, then its commands with their
// update handlers.
#include "res/resource.h"
#include "view/vandrel_view.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
// Qualified in the table: inside a window class, a bare OnCommand names the
// window's own command dispatch.
namespace afx = vandrel::afx;

const MessageMap* CVandrelView::GetThisMessageMap() {
    using V = CVandrelView;
    static const MessageMapEntry entries[] = {
        afx::OnMessage<WM_CREATE, &V::OnCreate>(),
        afx::OnMessage<WM_SIZE, &V::OnSize>(),
        afx::OnCommand<ID_DISPLAY_NORMAL, &V::OnDisplayNormal>(),
        afx::OnUpdateCommandUI<ID_DISPLAY_NORMAL, &V::OnUpdateDisplayNormal>(),
        afx::OnCommand<ID_DISPLAY_DOUBLED, &V::OnDisplayDoubled>(),
        afx::OnUpdateCommandUI<ID_DISPLAY_DOUBLED, &V::OnUpdateDisplayDoubled>(),
        afx::OnCommand<ID_DISPLAY_WINDOW, &V::OnDisplayWindow>(),
        afx::OnUpdateCommandUI<ID_DISPLAY_WINDOW, &V::OnUpdateDisplayWindow>(),
        afx::OnCommand<ID_ZORBLE_SUBTLE, &V::OnZorbleSubtle>(),
        afx::OnUpdateCommandUI<ID_ZORBLE_SUBTLE, &V::OnUpdateZorbleSubtle>(),
        afx::OnCommand<ID_ZORBLE_RIPPLES, &V::OnZorbleRipples>(),
        afx::OnUpdateCommandUI<ID_ZORBLE_RIPPLES, &V::OnUpdateZorbleRipples>(),
        afx::OnCommand<ID_ZORBLE_WAVY, &V::OnZorbleWavy>(),
        afx::OnUpdateCommandUI<ID_ZORBLE_WAVY, &V::OnUpdateZorbleWavy>(),
        afx::OnCommand<ID_ZORBLE_TYPHOON, &V::OnZorbleTyphoon>(),
        afx::OnUpdateCommandUI<ID_ZORBLE_TYPHOON, &V::OnUpdateZorbleTyphoon>(),
        afx::OnCommand<ID_ZORBLE_RANDOM, &V::OnZorbleRandom>(),
        afx::OnUpdateCommandUI<ID_ZORBLE_RANDOM, &V::OnUpdateZorbleRandom>(),
        afx::OnCommand<ID_DRIVE_TIMER, &V::OnDriveTimer>(),
        afx::OnUpdateCommandUI<ID_DRIVE_TIMER, &V::OnUpdateDriveTimer>(),
        afx::OnCommand<ID_DRIVE_PEEKMESSAGE, &V::OnDrivePeekMessage>(),
        afx::OnUpdateCommandUI<ID_DRIVE_PEEKMESSAGE, &V::OnUpdateDrivePeekMessage>(),
        afx::OnCommand<ID_INDICATOR_FPS, &V::OnFrameRate>(),
        afx::OnUpdateCommandUI<ID_INDICATOR_FPS, &V::OnUpdateFrameRate>(),
        afx::OnCommand<ID_BENCH_100FRAMES, &V::OnBench100Frames>(),
        afx::OnCommand<ID_BENCH_1000FRAMES, &V::OnBench1000Frames>(),
        afx::OnCommand<ID_BENCH_1SECOND, &V::OnBench1Second>(),
        afx::OnCommand<ID_BENCH_10SECONDS, &V::OnBench10Seconds>(),
        afx::OnCommand<ID_FILE_BITMAP1, &V::OnFileBitmap1>(),
        afx::OnUpdateCommandUI<ID_FILE_BITMAP1, &V::OnUpdateFileBitmap1>(),
        afx::OnCommand<ID_FILE_BITMAP2, &V::OnFileBitmap2>(),
        afx::OnUpdateCommandUI<ID_FILE_BITMAP2, &V::OnUpdateFileBitmap2>(),
        afx::OnCommand<ID_FILE_BITMAP3, &V::OnFileBitmap3>(),
        afx::OnUpdateCommandUI<ID_FILE_BITMAP3, &V::OnUpdateFileBitmap3>(),
        afx::OnCommand<ID_FILE_BITMAP4, &V::OnFileBitmap4>(),
        afx::OnUpdateCommandUI<ID_FILE_BITMAP4, &V::OnUpdateFileBitmap4>(),
        afx::OnCommand<ID_FILE_NEXTBITMAP, &V::OnFileNextBitmap>(),
        afx::OnCommand<ID_HIDDEN_TAVIK, &V::OnHiddenTavik>(),
        afx::OnCommand<ID_HIDDEN_MORLO, &V::OnHiddenMorlo>(),
        afx::OnCommand<ID_AUDIO_TUNE1, &V::OnTune1>(),
        afx::OnUpdateCommandUI<ID_AUDIO_TUNE1, &V::OnUpdateTune1>(),
        afx::OnCommand<ID_AUDIO_TUNE2, &V::OnTune2>(),
        afx::OnUpdateCommandUI<ID_AUDIO_TUNE2, &V::OnUpdateTune2>(),
        afx::OnCommand<ID_AUDIO_TUNE3, &V::OnTune3>(),
        afx::OnUpdateCommandUI<ID_AUDIO_TUNE3, &V::OnUpdateTune3>(),
        afx::OnCommand<ID_AUDIO_TUNE4, &V::OnTune4>(),
        afx::OnUpdateCommandUI<ID_AUDIO_TUNE4, &V::OnUpdateTune4>(),
        afx::OnCommand<ID_AUDIO_NOSOUND, &V::OnNoSound>(),
        afx::OnUpdateCommandUI<ID_AUDIO_NOSOUND, &V::OnUpdateNoSound>(),
        afx::OnCommand<ID_AUDIO_NEXTTUNE, &V::OnNextTune>(),
    };
    static const MessageMap map{CView::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CVandrelView::GetMessageMap() const {
    return GetThisMessageMap();
}
