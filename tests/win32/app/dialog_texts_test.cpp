// Every text of the five dialog templates as the running program shows it: the
// labels, buttons and check boxes of the main window, the three pages and the
// preset name dialog, against the texts the program must show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_harness.h"
#include "support/dialogs.h"
#include "timer/timer_dialog_ids.h"

namespace {

using namespace testing_support;

// The texts of dialog's own statics, buttons and check boxes, in the order
// its template makes them.
std::vector<std::string> ControlTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 || lstrcmpiA(cls, "Button") == 0)
      texts.push_back(WindowText(child));
  }
  return texts;
}

class DialogTextsTest : public MainWindowHarness {};

TEST_F(DialogTextsTest, EveryDialogShowsTheTextsOfItsTemplate) {
  const struct {
    const char* dialog;
    std::vector<std::string> texts;
  } expected[] = {
      {"101 main", {"手前"}},
      {"102 stopwatch", {"ラップ", "スタート", "ストップ", "表クリア", "精度", "モード"}},
      {"103 settings",
       {"終了時のタブ位置で開始", "Ver 1.01", "ストップウォッチ", "開始方法", "計測方法",
        "終了方法", "タイマー", "ベル音ファイル：wav,mid,mp3,wmaが有効", "参照",
        "通知領域にアイコンを表示する"}},
      {"104 timer",
       {"時", "分", "秒", "スタート", "ストップ", "♪", "最大表示", "繰り返し回数",
        "目覚ましタイマー初期値", "任意ベル時間", "▼", "▲", "タイマーを登録", "削除"}},
      {"105 preset name", {"タイマーの登録名：", "OK", "ｷｬﾝｾﾙ"}},
  };

  Open("dialog_texts");
  Create();
  SelectTab(2);
  SelectTab(1);
  std::vector<std::string> presetName;
  {
    ModalScript user({WhenDialog([](HWND d) { return WindowText(d) == "タイマー登録"; },
                                 [&](HWND d) {
                                   presetName = ControlTexts(d);
                                   PostClick(d, IDCANCEL);
                                 })});
    SendMessageA(app_->Timer().Window(), WM_COMMAND, MAKEWPARAM(IDC_TM_PRESET_ADD, BN_CLICKED), 0);
    EXPECT_TRUE(user.Done()) << "the preset name dialog did not open";
  }
  const std::vector<std::string> shown[] = {
      ControlTexts(window_), ControlTexts(app_->Stopwatch().Window()),
      ControlTexts(app_->SettingsTab().Window()), ControlTexts(app_->Timer().Window()), presetName};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(expected[i].texts, shown[i]) << expected[i].dialog;
}

}  // namespace
