#include "timer/timer_texts.h"

#include <cstdio>

namespace timer {

namespace {

const ModeInfo kModes[kModeCount] = {
    {"通常タイマー", "0秒になったら終了します。"},
    {"繰り返しタイマー", "繰り返し回数分、繰り返します。"},
    {"任意ベルタイマー", "設定した任意の時間にベルを鳴らします。"},
    {"過ぎてもタイマー", "0秒になっても止まらず、増えていきます。"},
    {"目覚ましタイマー", "設定した時刻になるまでのタイマーです。"},
};

}  // namespace

const char kOverrunLabel[] = "超過中！";
const char kBellOnStatus[] = "ベル音を鳴らします。";
const char kBellOffStatus[] = "ベル音を鳴らしません。";
const char kMaxDisplayHint[] = "最大ウィンドウはESCキーで閉じられます。";
const char kEndlessRepeat[] = "無限";

const ModeInfo& ModeText(int mode) {
  return kModes[ModeFromNumber(mode)];
}

TimerMode ModeFromNumber(int number) {
  if (number < 0 || number >= kModeCount)
    return kNormal;
  return static_cast<TimerMode>(number);
}

void FormatOverrunStatus(const char* timeText, char* out, size_t outSize) {
  if (out != nullptr && outSize > 0)
    snprintf(out, outSize, "超過中！ %s", timeText);
}

void FormatRepeatNotice(int repetitions, char* out, size_t outSize) {
  if (out != nullptr && outSize > 0)
    snprintf(out, outSize, "繰り返し[%d回]", repetitions);
}

void FormatBellNotice(const char* timeText, char* out, size_t outSize) {
  if (out != nullptr && outSize > 0)
    snprintf(out, outSize, "ベル[%s]", timeText);
}

void FormatAlarmStatus(const char* clockText, char* out, size_t outSize) {
  if (out != nullptr && outSize > 0)
    snprintf(out, outSize, "■%sになりました。", clockText);
}

void FormatAlarmLabel(const char* clockText, char* out, size_t outSize) {
  if (out != nullptr && outSize > 0)
    snprintf(out, outSize, "■%s■", clockText);
}

void FormatAlarmDelayEntry(int position, char* out, size_t outSize) {
  if (out != nullptr && outSize > 0)
    snprintf(out, outSize, "現在の%d分後", (position + 1) * 5);
}

}  // namespace timer
