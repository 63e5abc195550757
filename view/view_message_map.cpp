// The view's message map: its window messages, then its commands with their
// update handlers.
#include "res/resource.h"
#include "view/vandrel_view.h"

using vandrel::afx::MessageMap;
using vandrel::afx::MessageMapEntry;
using vandrel::afx::OnCommand;
using vandrel::afx::OnMessage;
using vandrel::afx::OnUpdateCommandUI;

const MessageMap* CVandrelView::GetThisMessageMap() {
    using V = CVandrelView;
    static const MessageMapEntry entries[] = {
        OnMessage<WM_CREATE, &V::OnCreate>(),
        OnMessage<WM_SIZE, &V::OnSize>(),
        OnCommand<ID_DISPLAY_NORMAL, &V::OnDisplayNormal>(),
        OnUpdateCommandUI<ID_DISPLAY_NORMAL, &V::OnUpdateDisplayNormal>(),
        OnCommand<ID_DISPLAY_DOUBLED, &V::OnDisplayDoubled>(),
        OnUpdateCommandUI<ID_DISPLAY_DOUBLED, &V::OnUpdateDisplayDoubled>(),
        OnCommand<ID_DISPLAY_WINDOW, &V::OnDisplayWindow>(),
        OnUpdateCommandUI<ID_DISPLAY_WINDOW, &V::OnUpdateDisplayWindow>(),
        OnCommand<ID_ZORBLE_SUBTLE, &V::OnZorbleSubtle>(),
        OnUpdateCommandUI<ID_ZORBLE_SUBTLE, &V::OnUpdateZorbleSubtle>(),
        OnCommand<ID_ZORBLE_RIPPLES, &V::OnZorbleRipples>(),
        OnUpdateCommandUI<ID_ZORBLE_RIPPLES, &V::OnUpdateZorbleRipples>(),
        OnCommand<ID_ZORBLE_WAVY, &V::OnZorbleWavy>(),
        OnUpdateCommandUI<ID_ZORBLE_WAVY, &V::OnUpdateZorbleWavy>(),
        OnCommand<ID_ZORBLE_TYPHOON, &V::OnZorbleTyphoon>(),
        OnUpdateCommandUI<ID_ZORBLE_TYPHOON, &V::OnUpdateZorbleTyphoon>(),
        OnCommand<ID_ZORBLE_RANDOM, &V::OnZorbleRandom>(),
        OnUpdateCommandUI<ID_ZORBLE_RANDOM, &V::OnUpdateZorbleRandom>(),
        OnCommand<ID_DRIVE_TIMER, &V::OnDriveTimer>(),
        OnUpdateCommandUI<ID_DRIVE_TIMER, &V::OnUpdateDriveTimer>(),
        OnCommand<ID_DRIVE_PEEKMESSAGE, &V::OnDrivePeekMessage>(),
        OnUpdateCommandUI<ID_DRIVE_PEEKMESSAGE, &V::OnUpdateDrivePeekMessage>(),
        OnCommand<ID_INDICATOR_FPS, &V::OnFrameRate>(),
        OnUpdateCommandUI<ID_INDICATOR_FPS, &V::OnUpdateFrameRate>(),
        OnCommand<ID_BENCH_100FRAMES, &V::OnBench100Frames>(),
        OnCommand<ID_BENCH_1000FRAMES, &V::OnBench1000Frames>(),
        OnCommand<ID_BENCH_1SECOND, &V::OnBench1Second>(),
        OnCommand<ID_BENCH_10SECONDS, &V::OnBench10Seconds>(),
        OnCommand<ID_FILE_BITMAP1, &V::OnFileBitmap1>(),
        OnUpdateCommandUI<ID_FILE_BITMAP1, &V::OnUpdateFileBitmap1>(),
        OnCommand<ID_FILE_BITMAP2, &V::OnFileBitmap2>(),
        OnUpdateCommandUI<ID_FILE_BITMAP2, &V::OnUpdateFileBitmap2>(),
        OnCommand<ID_FILE_BITMAP3, &V::OnFileBitmap3>(),
        OnUpdateCommandUI<ID_FILE_BITMAP3, &V::OnUpdateFileBitmap3>(),
        OnCommand<ID_FILE_BITMAP4, &V::OnFileBitmap4>(),
        OnUpdateCommandUI<ID_FILE_BITMAP4, &V::OnUpdateFileBitmap4>(),
        OnCommand<ID_FILE_NEXTBITMAP, &V::OnFileNextBitmap>(),
        OnCommand<ID_HIDDEN_TAVIK, &V::OnHiddenTavik>(),
        OnCommand<ID_HIDDEN_MORLO, &V::OnHiddenMorlo>(),
        OnCommand<ID_AUDIO_TUNE1, &V::OnTune1>(),
        OnUpdateCommandUI<ID_AUDIO_TUNE1, &V::OnUpdateTune1>(),
        OnCommand<ID_AUDIO_TUNE2, &V::OnTune2>(),
        OnUpdateCommandUI<ID_AUDIO_TUNE2, &V::OnUpdateTune2>(),
        OnCommand<ID_AUDIO_TUNE3, &V::OnTune3>(),
        OnUpdateCommandUI<ID_AUDIO_TUNE3, &V::OnUpdateTune3>(),
        OnCommand<ID_AUDIO_TUNE4, &V::OnTune4>(),
        OnUpdateCommandUI<ID_AUDIO_TUNE4, &V::OnUpdateTune4>(),
        OnCommand<ID_AUDIO_NOSOUND, &V::OnNoSound>(),
        OnUpdateCommandUI<ID_AUDIO_NOSOUND, &V::OnUpdateNoSound>(),
        OnCommand<ID_AUDIO_NEXTTUNE, &V::OnNextTune>(),
    };
    static const MessageMap map{CView::GetThisMessageMap(), entries};
    return &map;
}

const MessageMap* CVandrelView::GetMessageMap() const { return GetThisMessageMap(); }
