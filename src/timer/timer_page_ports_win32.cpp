// The timer page's answers to its engine: the tick, the bell, the display,
// the status bar and the controls a run needs.
#include <windows.h>

#include "timer/timer_dialog_ids.h"
#include "timer/timer_page_win32.h"

bool TimerPage::Ports::Arm(uint32_t periodMs) {
  return page_->ArmTicks(periodMs);
}

void TimerPage::Ports::Disarm() {
  page_->DisarmTicks();
  page_->AnnounceTimes();
}

void TimerPage::Ports::Beep() {
  page_->AnnounceTimes();
  page_->bellPlayer_.Beep();
}

// The result of opening is not looked at: a file that cannot be played gives
// no sound and the timer carries on.
void TimerPage::Ports::PlayFile(const char* path) {
  page_->AnnounceTimes();
  Silence();
  if (page_->bellPlayer_.Open(path))
    page_->bellPlayer_.Play(page_->Window());
}

void TimerPage::Ports::Silence() {
  if (page_->bellPlayer_.DeviceId() != 0) {
    page_->bellPlayer_.Stop();
    page_->bellPlayer_.Close();
  }
}

void TimerPage::Ports::ShowText(const char* text) {
  page_->display_.ShowText(text);
}

void TimerPage::Ports::SetStatus(const char* text) {
  page_->SetStatusText(text);
}

void TimerPage::Ports::GetFieldTexts(timer::FieldTexts* texts) {
  page_->durationFields_.ReadTexts(texts);
}

void TimerPage::Ports::SetStartCaption(const char* caption) {
  SetDlgItemTextA(page_->Window(), IDC_TM_START, caption);
}

void TimerPage::Ports::EnableForRun(bool running) {
  page_->EnableForRun(running);
}

void TimerPage::Ports::RememberDuration() {
  page_->durationFields_.Remember();
}

void TimerPage::Ports::PostStop() {
  PostMessageA(page_->Window(), WM_COMMAND, MAKEWPARAM(IDC_TM_STOP, 0), 0);
}
