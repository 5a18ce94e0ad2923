// The position display: the slider and status pane 1 follow playback; a slider release seeks.
#include <algorithm>
#include <cstring>

#include "controls/SeekSlider.h"
#include "ui/MainWindow.h"
#include "ui/PositionDisplay.h"

void MainWindow::StartPositionTimer() {
    StopPositionTimer();
    positionTimerId = SetTimer(m_hWnd, kPositionTimerId, kPositionTimerPeriod, nullptr);
}

int MainWindow::StopPositionTimer() {
    if (positionTimerId) KillTimer(m_hWnd, positionTimerId);
    positionTimerId = 0;
    return 1;
}

int MainWindow::UpdatePositionDisplay() {
    if (!m_hWnd) return 0;
    uint32_t position = CurrentPositionMs();
    uint32_t duration = media.Format().lengthMs;
    // While the user holds the thumb, the timer must not pull it back to the playing position.
    // A paused file changes nothing from tick to tick, so nothing is repainted then.
    if (seekSlider && duration > 0 && !seekSlider->IsTracking()) {
        int value = SliderValueForPosition(position, duration);
        if (std::min(value, kSliderScale) != seekSlider->GetPos()) seekSlider->SetPos(value, true, false);
    }
    char text[80];
    FormatPositionText(text, sizeof(text), position, duration);
    if (strcmp(text, paneTexts[1]) != 0) SetStatusText(1, text, true);
    return 0;
}

int MainWindow::SeekFromSlider() {
    uint32_t duration = media.Format().lengthMs;
    // Notifications during a drag only move the thumb; the one after the release seeks.
    if (seekSlider && duration > 0 && !seekSlider->IsTracking())
        SeekToPosition(SeekTargetForSlider(seekSlider->GetPos(), duration));
    return 0;
}

uint32_t MainWindow::CurrentPositionMs() { return PlaybackSession::ToMilliseconds(session.GetPosition()); }

void MainWindow::SeekToPosition(uint32_t milliseconds) {
    session.SeekTo(milliseconds);
    UpdatePositionDisplay();
}
