// The wave table, the presets that set it, and rendering a frame with it.
#include <cstdlib>

#include "engine/render_frame.h"
#include "engine/wave_table.h"
#include "platform/afx/cmd_ui.h"
#include "view/vandrel_view.h"

using vandrel::engine::WaveParams;

float CVandrelView::s_fHalfPeriod = 128.0F;
int CVandrelView::s_nWaveShift = 2;

void CVandrelView::BuildWaveTable() {
    vandrel::engine::FillWaveTable(m_nWave, s_fHalfPeriod, s_nWaveShift);
}

void CVandrelView::RenderFrame() {
    auto rowPointer = [this](int y) { return m_dib.GetRowPointer(y); };
    vandrel::engine::RenderFrame(m_nWave, m_nColPhase, m_nRowPhase,
                                 vandrel::engine::RowOrderFromOrientation(CDibG::s_nOrientation),
                                 vandrel::engine::RowAccessor(rowPointer));
}

void CVandrelView::ApplyPreset(const WaveParams& params) {
    m_nColStep = params.colStep;
    m_nRowStep = params.rowStep;
    s_nWaveShift = params.waveShift;
    s_fHalfPeriod = params.halfPeriod;
    m_nPreset = params.preset;
    // The phases stay as they are, so the motion goes on without a jump.
    BuildWaveTable();
}

void CVandrelView::OnZorbleSubtle() {
    ApplyPreset(vandrel::engine::kSubtlePreset);
}

void CVandrelView::OnZorbleRipples() {
    ApplyPreset(vandrel::engine::kRipplesPreset);
}

void CVandrelView::OnZorbleWavy() {
    ApplyPreset(vandrel::engine::kWavyPreset);
}

void CVandrelView::OnZorbleTyphoon() {
    ApplyPreset(vandrel::engine::kTyphoonPreset);
}

void CVandrelView::OnZorbleRandom() {
    ApplyPreset(vandrel::engine::DrawRandomWaveParams([] { return std::rand(); }));
}

void CVandrelView::OnUpdateZorbleSubtle(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nPreset == vandrel::engine::kWavePresetSubtle);
}

void CVandrelView::OnUpdateZorbleRipples(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nPreset == vandrel::engine::kWavePresetRipples);
}

void CVandrelView::OnUpdateZorbleWavy(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nPreset == vandrel::engine::kWavePresetWavy);
}

void CVandrelView::OnUpdateZorbleTyphoon(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nPreset == vandrel::engine::kWavePresetTyphoon);
}

void CVandrelView::OnUpdateZorbleRandom(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nPreset == vandrel::engine::kWavePresetRandom);
}
