// Every text of the five dialog templates as the running program shows it: the
// labels, buttons and check boxes of the main window, the three pages and the
// preset name dialog, against the texts the program must show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application_win32.h"
#include "app/main_dialog_win32.h"
#include "support/dialogs.h"
#include "support/fakes_win32.h"
#include "timer/timer_dialog_ids.h"
#include "win32_test_support.h"

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

TEST(DialogTextsTest, EveryDialogShowsTheTextsOfItsTemplate) {
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

  UseFreshSettings("dialog_texts");
  TestSettings().WriteString("MainDlg", "FirstFlag", "0");
  PerformanceCounterClock counter;
  TickCountClock tickCount;
  fakes::MessageBoxes boxes;
  Application app(TestSettings(), counter, tickCount, boxes);
  MainDialog dialog(app);
  HWND mainWindow = dialog.CreateModeless(GetModuleHandleA(nullptr));
  ASSERT_NE(nullptr, mainWindow);
  PumpMessages();
  SelectTab(mainWindow, 2);
  SelectTab(mainWindow, 1);
  std::vector<std::string> presetName;
  {
    ModalScript user({WhenDialog([](HWND d) { return WindowText(d) == "タイマー登録"; },
                                 [&](HWND d) {
                                   presetName = ControlTexts(d);
                                   PostClick(d, IDCANCEL);
                                 })});
    SendMessageA(app.Timer().Window(), WM_COMMAND, MAKEWPARAM(IDC_TM_PRESET_ADD, BN_CLICKED), 0);
    EXPECT_TRUE(user.Done()) << "the preset name dialog did not open";
  }
  const std::vector<std::string> shown[] = {
      ControlTexts(mainWindow), ControlTexts(app.Stopwatch().Window()),
      ControlTexts(app.SettingsTab().Window()), ControlTexts(app.Timer().Window()), presetName};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(expected[i].texts, shown[i]) << expected[i].dialog;
  DestroyWindow(mainWindow);
  PumpMessages();
}

}  // namespace
