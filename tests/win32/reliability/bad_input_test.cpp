// The real program fed what a damaged disk, a hand edit or an odd installation
// leaves behind. Every case runs a private copy of MipoWatch.exe and checks that
// it starts, runs on defaults where values are bad, ends normally, writes
// nothing outside its folder and keeps what it had stored.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs.h"
#include "program_runner.h"
#include "settings/path_rules.h"
#include "timer/timer_dialog_ids.h"
#include "win32_test_support.h"

using namespace reliability;
using namespace testing_support;

namespace {

// Lines joined with CR LF, as the profile functions write them.
std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool IsDecimal(const std::string& text) {
  if (text.empty())
    return false;
  size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size())
    return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9')
      return false;
  }
  return true;
}

int IntOf(const std::string& text) {
  return IsDecimal(text) ? std::atoi(text.c_str()) : -999999;
}

// One case: a folder of its own holding the program in app\, its user folder
// and whatever the case puts there.
class BadInputTest : public ::testing::Test {
 protected:
  void Prepare(const std::string& name, const std::string& appSubPath = "app") {
    root_ = FreshCaseFolder(name);
    appRelative_ = appSubPath;
    app_ = root_ + "\\" + appSubPath;
    user_ = NetworkUserName();
    ASSERT_TRUE(InstallProgram(app_)) << app_;
    ini_ = IniPathOf(app_, user_);
  }
  void PrepareUserFolder() { ASSERT_TRUE(MakeFolders(UserFolderOf(app_, user_))); }
  void WriteIni(const std::string& bytes) {
    PrepareUserFolder();
    WriteFileBytes(ini_, bytes);
  }
  std::string Value(const char* section, const char* key) const {
    return IniValue(ini_, section, key);
  }

  // Starts the copy and waits for its main window; the tree is remembered to
  // find writes outside app\ later.
  void Launch(const std::string& user = "") {
    before_ = ListTree(root_);
    system_ = SystemFolders();
    ASSERT_TRUE(program_.Start(app_, user));
    ASSERT_NE(program_.WaitForMainWindow(), nullptr) << "no main window";
  }
  // The same as another user (see RunningProgram::StartAsUnixUser).
  void LaunchAsUnixUser(const std::string& user) {
    before_ = ListTree(root_);
    system_ = SystemFolders();
    ASSERT_TRUE(program_.StartAsUnixUser(app_, user));
    ASSERT_NE(program_.WaitForMainWindow(), nullptr) << "no main window";
  }
  // Closes it: a normal end (exit code 1) with nothing new outside app\.
  void CloseNormally() {
    EXPECT_EQ(program_.Close(), 1);
    const std::vector<std::string> outside =
        NewEntriesOutside(before_, ListTree(root_), appRelative_);
    EXPECT_TRUE(outside.empty()) << "written outside its folder: " << outside[0];
    // Profile functions handed a bare name write into the Windows folder.
    EXPECT_EQ(SystemFolders(), system_);
  }
  // The entries of the drive's root and of the Windows folder, not deeper.
  static std::vector<std::string> SystemFolders() {
    std::vector<std::string> entries;
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof(windows));
    for (const std::string& folder : {std::string("C:"), std::string(windows)}) {
      WIN32_FIND_DATAA data;
      HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
      if (find == INVALID_HANDLE_VALUE)
        continue;
      do {
        entries.push_back(folder + "\\" + data.cFileName);
      } while (FindNextFileA(find, &data));
      FindClose(find);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
  }
  void ExpectWellFormed() {
    std::string why;
    EXPECT_TRUE(IsWellFormedIni(ReadFileBytes(ini_), &why)) << why;
  }

  std::string root_, app_, appRelative_, user_, ini_;
  std::vector<std::string> before_;
  std::vector<std::string> system_;
  RunningProgram program_;
};

// Every key the program reads, with a value.
std::string EveryKey(const std::string& value) {
  std::vector<std::string> lines = {"[MainDlg]"};
  for (const char* key :
       {"FirstFlag", "AlwaysTop", "Left", "Top", "Width", "Height", "PlacementDpi", "EndTabPos"}) {
    lines.push_back(std::string(key) + "=" + value);
  }
  lines.push_back("[SettingData]");
  for (const char* key : {"EndTab", "StartWay", "TimeWay", "EndWay", "BellFile", "NotifyIcon"})
    lines.push_back(std::string(key) + "=" + value);
  lines.push_back("[Watch]");
  lines.push_back("WatchAccuracy=" + value);
  lines.push_back("WatchMode=" + value);
  for (int i = 0; i < 7; ++i) lines.push_back("HeaderNumber" + std::to_string(i) + "=" + value);
  lines.push_back("[Timer]");
  for (const char* key : {"TimerTime", "TimerRingBell", "TimerMaxDisp", "TimerMode", "TimerRepeat",
                          "TimerMezamasiIniTime", "TimerRegNum", "TimerReg0", "TimerReg1"}) {
    lines.push_back(std::string(key) + "=" + value);
  }
  return Lines(lines);
}

// What the pages write when they close must be a number inside its table.
void ExpectPagesWroteSaneValues(const std::string& ini) {
  for (const char* key : {"Left", "Top", "Width", "Height"})
    EXPECT_TRUE(IsDecimal(IniValue(ini, "MainDlg", key))) << key;
  const std::string placementDpi = IniValue(ini, "MainDlg", "PlacementDpi");
  EXPECT_TRUE(placementDpi == "<missing>" ||
              (IntOf(placementDpi) >= 24 && IntOf(placementDpi) <= 2400))
      << placementDpi;
  EXPECT_TRUE(IntOf(IniValue(ini, "MainDlg", "AlwaysTop")) == 0 ||
              IntOf(IniValue(ini, "MainDlg", "AlwaysTop")) == 1);
  const int tab = IntOf(IniValue(ini, "MainDlg", "EndTabPos"));
  EXPECT_TRUE(tab == 0 || tab == 1) << tab;
  const int accuracy = IntOf(IniValue(ini, "Watch", "WatchAccuracy"));
  EXPECT_TRUE(accuracy >= 0 && accuracy < 12) << accuracy;
  const int mode = IntOf(IniValue(ini, "Watch", "WatchMode"));
  EXPECT_TRUE(mode == 0 || mode == 1) << mode;
  for (int i = 0; i < 7; ++i) {
    const int flag = IntOf(IniValue(ini, "Watch", ("HeaderNumber" + std::to_string(i)).c_str()));
    EXPECT_TRUE(flag == 0 || flag == 1) << i << ": " << flag;
  }
}

void ExpectTimerWroteSaneValues(const std::string& ini) {
  const int time = IntOf(IniValue(ini, "Timer", "TimerTime"));
  EXPECT_TRUE(time >= 0 && time < 24 * 3600) << time;
  const int mode = IntOf(IniValue(ini, "Timer", "TimerMode"));
  EXPECT_TRUE(mode >= 0 && mode <= 4) << mode;
  const int repeat = IntOf(IniValue(ini, "Timer", "TimerRepeat"));
  EXPECT_TRUE(repeat >= 0 && repeat <= 999) << repeat;
  const int delay = IntOf(IniValue(ini, "Timer", "TimerMezamasiIniTime"));
  EXPECT_TRUE(delay >= 0 && delay <= 11) << delay;
  for (const char* key : {"TimerRingBell", "TimerMaxDisp"}) {
    const int flag = IntOf(IniValue(ini, "Timer", key));
    EXPECT_TRUE(flag == 0 || flag == 1) << key << ": " << flag;
  }
  EXPECT_TRUE(IsDecimal(IniValue(ini, "Timer", "TimerRegNum")));
}

TEST_F(BadInputTest, DataIniFullOfNulBytesStartsAsAFirstRunAndIsWrittenAfresh) {
  Prepare("nul-file");
  WriteIni(std::string(8192, '\0'));
  Launch();
  // Nothing could be read, so this is a first run: the three notices appear.
  ASSERT_EQ(program_.BoxCaptions().size(), 3u);
  EXPECT_EQ(program_.BoxCaptions()[0], "Mipoウォッチ");
  EXPECT_EQ(program_.MainTitle(), kStopwatchTitle);
  program_.NextTab();
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  CloseNormally();
  EXPECT_EQ(Value("MainDlg", "FirstFlag"), "0");
  ExpectPagesWroteSaneValues(ini_);
  ExpectTimerWroteSaneValues(ini_);
  EXPECT_EQ(Value("Timer", "TimerTime"), "60");
  ExpectWellFormed();
}

TEST_F(BadInputTest, NulBlockInsideDataIniKeepsTheValuesAroundIt) {
  Prepare("nul-block");
  // A write cut short by a power loss: a block of zeros between good lines.
  WriteIni(Lines({"[MainDlg]", "FirstFlag=0", "EndTabPos=1"}) + std::string(4096, '\0') + "\r\n" +
           Lines({"[Timer]", "TimerTime=754", "TimerRegNum=1", "TimerReg0=Tea,0,00:03:000010"}));
  Launch();
  EXPECT_TRUE(program_.BoxTexts().empty());
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  CloseNormally();
  EXPECT_EQ(Value("MainDlg", "FirstFlag"), "0");
  EXPECT_EQ(Value("Timer", "TimerTime"), "754");
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "1");
  EXPECT_EQ(Value("Timer", "TimerReg0"), "Tea,0,00:03:000010");
  ExpectWellFormed();
}

TEST_F(BadInputTest, GarbageInEveryKeyRunsOnDefaultsAndWritesOnlyNumbers) {
  Prepare("garbage");
  // Text that reads as no number at all, with a 0x5C trail byte and brackets.
  const std::string garbage = "x\x95\x5C]#[=;\x81";
  WriteIni(EveryKey(garbage));
  const std::string bellFile = Value("SettingData", "BellFile");
  const std::string startWay = Value("SettingData", "StartWay");
  Launch();
  // FirstFlag reads as 0: no notices. EndTabPos reads as 0: the stopwatch.
  EXPECT_TRUE(program_.BoxTexts().empty());
  EXPECT_EQ(program_.MainTitle(), kStopwatchTitle);
  program_.NextTab();
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  CloseNormally();
  ExpectWellFormed();
  ExpectPagesWroteSaneValues(ini_);
  ExpectTimerWroteSaneValues(ini_);
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "0");
  // The settings page was never opened: its values stay as they read before.
  EXPECT_EQ(Value("SettingData", "BellFile"), bellFile);
  EXPECT_EQ(Value("SettingData", "StartWay"), startWay);
}

TEST_F(BadInputTest, OutOfRangeIntegersAreReadAsDefaultsAndNeverWrittenBack) {
  Prepare("out-of-range");
  WriteIni(Lines({"[MainDlg]",
                  "FirstFlag=0",
                  "AlwaysTop=0x1",
                  "Left=2000000000",
                  "Top=-2147483648",
                  "Width=2000000000",
                  "Height=-7",
                  "PlacementDpi=2147483647",
                  "EndTabPos=0x0",
                  "[SettingData]",
                  "EndTab=1",
                  "StartWay=-1",
                  "TimeWay=99",
                  "EndWay=0x7FFFFFFF",
                  "[Watch]",
                  "WatchAccuracy=99",
                  "WatchMode=-1",
                  "HeaderNumber0=99999999999",
                  "HeaderNumber1=-1",
                  "HeaderNumber2=0x1",
                  "HeaderNumber3=0",
                  "HeaderNumber4=2",
                  "HeaderNumber5=1",
                  "HeaderNumber6=-99999999999",
                  "[Timer]",
                  "TimerTime=-5",
                  "TimerRingBell=7",
                  "TimerMaxDisp=-1",
                  "TimerMode=0x7FFFFFFF",
                  "TimerRepeat=5000",
                  "TimerMezamasiIniTime=-2147483648",
                  "TimerRegNum=2147483647",
                  "TimerReg0=Tea,0,00:03:000010"}));
  Launch();
  EXPECT_EQ(program_.MainTitle(), kStopwatchTitle);
  program_.NextTab();
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  // The one readable preset of the (impossibly long) list is offered.
  HWND presets = program_.PageControl(IDC_TM_PRESETS);
  ASSERT_NE(presets, nullptr);
  EXPECT_EQ(program_.Ask(presets, CB_GETCOUNT), 1);
  CloseNormally();
  ExpectWellFormed();
  ExpectPagesWroteSaneValues(ini_);
  ExpectTimerWroteSaneValues(ini_);
  EXPECT_EQ(Value("Timer", "TimerTime"), "60");
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "1");
  EXPECT_EQ(Value("Timer", "TimerReg0"), "Tea,0,00:03:000010");
  // Hexadecimal is a number to the profile functions: 0x1 switches "in front" on.
  EXPECT_EQ(Value("MainDlg", "AlwaysTop"), "1");
}

}  // namespace

namespace {

// A font record as the display writes it: 64 bytes, face at 28, colour at 60.
std::string FontRecordBytes(const char* face, unsigned colour) {
  std::string bytes(64, '\0');
  const int height = -21;
  std::memcpy(&bytes[0], &height, 4);
  const int weight = 700;
  std::memcpy(&bytes[16], &weight, 4);
  bytes[23] = static_cast<char>(128);
  std::memcpy(&bytes[28], face, std::strlen(face));
  std::memcpy(&bytes[60], &colour, 4);
  return bytes;
}

bool FaceNameTerminated(const std::string& file) {
  return file.size() == 64 && std::memchr(file.data() + 28, '\0', 32) != nullptr;
}

}  // namespace

TEST_F(BadInputTest, FontFilesOfEveryOddLengthAreReadWithinTheirBytesAndRewrittenWhole) {
  const std::string good = FontRecordBytes("ＭＳ ゴシック", 0x0000FF);
  struct Pair {
    const char* name;
    std::string font1;
    std::string font2;
  };
  const Pair pairs[] = {
      {"font-0-1m", "", std::string(1 << 20, '\xFF')},
      {"font-1-63", good.substr(0, 1), good.substr(0, 63)},
      {"font-64-65", good, good + "x"},
  };
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.name);
    Prepare(pair.name);
    WriteIni(Lines({"[MainDlg]", "FirstFlag=0"}));
    const std::string folder = UserFolderOf(app_, user_);
    WriteFileBytes(folder + "\\font1", pair.font1);
    WriteFileBytes(folder + "\\font2", pair.font2);
    Launch();
    program_.NextTab();  // the timer page and its display
    EXPECT_EQ(program_.MainTitle(), kTimerTitle);
    CloseNormally();
    const std::string font1 = ReadFileBytes(folder + "\\font1");
    const std::string font2 = ReadFileBytes(folder + "\\font2");
    EXPECT_TRUE(FaceNameTerminated(font1)) << font1.size();
    EXPECT_TRUE(FaceNameTerminated(font2)) << font2.size();
    // What the file held is kept, up to the 64 bytes of the record.
    const size_t kept1 = pair.font1.size() < 64 ? pair.font1.size() : 64;
    EXPECT_EQ(font1.substr(0, kept1), pair.font1.substr(0, kept1));
    if (pair.font2.size() <= 65 && pair.font2.size() >= 60) {
      EXPECT_EQ(font2.substr(0, 60), pair.font2.substr(0, 60));
    }
    ExpectWellFormed();
  }
}

TEST_F(BadInputTest, PresetRecordsMalformedInEachFieldArePassedOverAndTheRestKept) {
  Prepare("presets");
  const std::vector<std::string> good = {"A,0,00:03:000010", "D,999,23:59:592111100:00:01",
                                         "E,5,00:00:054310"};
  const std::vector<std::string> records = {
      good[0],
      "no commas at all",
      ",0,00:03:000010",                         // empty name
      std::string(65, 'n') + ",0,00:03:000010",  // name too long
      "B,x,00:03:000010",                        // repeat not a number
      "B,1000,00:03:000010",                     // repeat past the list
      "B,0,0a:03:000010",                        // time text
      "B,0,00:03:005010",                        // mode 5
      "B,0,00:03:0001210",                       // delay 12
      "B,0,00:03:000020",                        // bell flag 2
      "B,0,00:03:000012",                        // display flag 2
      "B,0,00:03:000010x",                       // trailing text
      "C,0,00:03:0020100x:00:00",                // bell time
      good[1],
  };
  std::vector<std::string> lines = {"[MainDlg]", "FirstFlag=0", "EndTabPos=1", "[Timer]",
                                    "TimerRegNum=" + std::to_string(records.size() + 2)};
  for (size_t i = 0; i < records.size(); ++i)
    lines.push_back("TimerReg" + std::to_string(i) + "=" + records[i]);
  // Index records.size() is missing altogether; the one after it is good.
  lines.push_back("TimerReg" + std::to_string(records.size() + 1) + "=" + good[2]);
  WriteIni(Lines(lines));
  Launch();
  ASSERT_EQ(program_.MainTitle(), kTimerTitle);
  HWND list = program_.PageControl(IDC_TM_PRESETS);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(program_.Ask(list, CB_GETCOUNT), 3);
  CloseNormally();
  EXPECT_EQ(Value("Timer", "TimerRegNum"), "3");
  for (size_t i = 0; i < good.size(); ++i)
    EXPECT_EQ(Value("Timer", ("TimerReg" + std::to_string(i)).c_str()), good[i]) << i;
  ExpectWellFormed();
}

TEST_F(BadInputTest, UserNameWithBackslashTrailBytesGetsOneFolderOfThatName) {
  Prepare("trail-bytes");
  // 表 = 95 5C, ソ = 83 5C, 十 = 8F 5C: each second byte is the backslash code.
  const std::string user = "表ソ十";
  // Wine's ANSI user-name query hands over as many bytes as the name has
  // characters, so three more characters make the program see the whole name.
  LaunchAsUnixUser(user + "abc");
  // A first run in a folder of its own.
  EXPECT_EQ(program_.BoxCaptions().size(), 3u);
  CloseNormally();
  const std::string ini = IniPathOf(app_, user);
  EXPECT_EQ(IniValue(ini, "MainDlg", "FirstFlag"), "0");
  // Exactly one new folder: no level was cut at a trail byte.
  std::vector<std::string> folders;
  for (const std::string& entry : ListTree(app_)) {
    if (GetFileAttributesA((app_ + "\\" + entry).c_str()) & FILE_ATTRIBUTE_DIRECTORY)
      folders.push_back(entry);
  }
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_EQ(folders[0], user);
}

TEST_F(BadInputTest, UserNameEndingInHalfACharacterStillGetsAFolderOfItsOwn) {
  Prepare("half-character");
  // Seen through the same query, "a表" arrives as "a" and the lead byte 95
  // alone; the separator after it must not become its second byte.
  LaunchAsUnixUser("a表");
  CloseNormally();
  EXPECT_EQ(IniValue(app_ + "\\a\\Data.ini", "MainDlg", "FirstFlag"), "0");
  for (const std::string& entry : ListTree(app_))
    EXPECT_TRUE(entry == "a" || entry.compare(0, 2, "a\\") == 0 ||
                entry.find('.') != std::string::npos)
        << entry;
  EXPECT_EQ(GetFileAttributesA((app_ + "\\a\x95"
                                       "Data.ini")
                                   .c_str()),
            INVALID_FILE_ATTRIBUTES);
}

TEST_F(BadInputTest, FileStandingWhereTheUserFolderBelongsIsLeftAloneAndNothingIsStored) {
  Prepare("file-in-the-way");
  if (user_.empty())
    GTEST_SKIP() << "no user name: Data.ini lies beside the program";
  const std::string blocker = UserFolderOf(app_, user_);
  WriteFileBytes(blocker, "keep me");
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    before_ = ListTree(root_);
    RunningProgram program;
    ASSERT_TRUE(program.Start(app_));
    ASSERT_NE(program.WaitForMainWindow(), nullptr);
    // Nothing can be stored, so every start is a first run.
    EXPECT_EQ(program.BoxCaptions().size(), 3u);
    program.NextTab();
    EXPECT_EQ(program.MainTitle(), kTimerTitle);
    EXPECT_EQ(program.Close(), 1);
    EXPECT_EQ(ListTree(root_), before_);
  }
  EXPECT_EQ(ReadFileBytes(blocker), "keep me");
}

TEST_F(BadInputTest, ReadOnlyUserFolderAndFileKeepTheirStoredValues) {
  Prepare("read-only");
  WriteIni(Lines({"[MainDlg]", "FirstFlag=0", "EndTabPos=1", "[Watch]", "WatchAccuracy=3",
                  "[Timer]", "TimerTime=754", "TimerRegNum=1", "TimerReg0=Tea,0,00:03:000010"}));
  SetFileAttributesA(ini_.c_str(), FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA(UserFolderOf(app_, user_).c_str(), FILE_ATTRIBUTE_READONLY);
  Launch();
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  program_.NextTab();
  program_.NextTab();  // round to the stopwatch past the settings page
  CloseNormally();
  SetFileAttributesA(UserFolderOf(app_, user_).c_str(), FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesA(ini_.c_str(), FILE_ATTRIBUTE_NORMAL);
  // Whether or not the system let the writes through, no value was lost.
  EXPECT_EQ(Value("Watch", "WatchAccuracy"), "3");
  EXPECT_EQ(Value("Timer", "TimerTime"), "754");
  EXPECT_EQ(Value("Timer", "TimerReg0"), "Tea,0,00:03:000010");
  ExpectWellFormed();
}

TEST_F(BadInputTest, MissingEmptyOrForeignHookLibrariesLeaveTheStopwatchWorking) {
  struct Variant {
    const char* name;
    // What stands as KeyHook.dll and MouseHook.dll; null: no file at all.
    const char* keyHook;
    const char* mouseHook;
  };
  const std::string mouseDll = std::string(MIPO_BIN_DIR) + "\\MouseHook.dll";
  const std::string keyDll = std::string(MIPO_BIN_DIR) + "\\KeyHook.dll";
  const Variant variants[] = {
      {"hooks-missing", nullptr, nullptr},
      {"hooks-key-missing", nullptr, "<mouse>"},
      {"hooks-empty", "", ""},
      {"hooks-text", "MZ this is not a library", "not a library either"},
      {"hooks-swapped", "<mouse>", "<key>"},  // libraries without the exports asked for
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.name);
    Prepare(v.name);
    WriteIni(Lines(
        {"[MainDlg]", "FirstFlag=0", "[SettingData]", "StartWay=1", "TimeWay=7", "EndWay=8"}));
    for (const auto& file : {std::make_pair("\\KeyHook.dll", v.keyHook),
                             std::make_pair("\\MouseHook.dll", v.mouseHook)}) {
      const std::string path = app_ + file.first;
      DeleteFileA(path.c_str());
      if (file.second == nullptr)
        continue;
      if (std::string(file.second) == "<mouse>")
        CopyFileA(mouseDll.c_str(), path.c_str(), FALSE);
      else if (std::string(file.second) == "<key>")
        CopyFileA(keyDll.c_str(), path.c_str(), FALSE);
      else
        WriteFileBytes(path, file.second);
    }
    Launch();
    EXPECT_EQ(program_.MainTitle(), kStopwatchTitle);
    // With no reporting library the mouse and key methods cannot fire: the
    // page's own buttons take their place, so the watch can still be started,
    // lapped and stopped.
    HWND start = program_.PageControl(1001);
    HWND stop = program_.PageControl(1011);
    ASSERT_NE(start, nullptr);
    ASSERT_NE(stop, nullptr);
    const bool mouseWorks = v.mouseHook != nullptr && std::string(v.mouseHook) == "<mouse>";
    // A working mouse library keeps the left button as the only way to start.
    EXPECT_EQ(IsWindowEnabled(start) != FALSE, !mouseWorks);
    if (mouseWorks) {
      CloseNormally();
      continue;
    }
    const std::string idle = testing_support::WindowText(start);
    EXPECT_NE(program_.Ask(start, BM_CLICK), -1);
    EXPECT_NE(testing_support::WindowText(start), idle);
    EXPECT_TRUE(IsWindowEnabled(stop));
    EXPECT_NE(program_.Ask(stop, BM_CLICK), -1);
    EXPECT_EQ(testing_support::WindowText(start), idle);
    CloseNormally();
    EXPECT_EQ(Value("SettingData", "StartWay"), "1");
    EXPECT_EQ(Value("SettingData", "EndWay"), "8");
  }
}

TEST_F(BadInputTest, BellFileThatIsNoSoundRingsWithoutStoppingTheProgram) {
  struct Variant {
    const char* name;
    const char* file;
    std::string bytes;  // empty: a folder of that name
  };
  const Variant variants[] = {
      {"bell-text", "bell.wav", "this is not a wave file\r\n"},
      {"bell-noise", "bell.mid",
       std::string("MThd\0\0\0\6\0\1\xFF\xFF", 12) + std::string(300, 'Z')},
      {"bell-folder", "bell.mp3", ""},
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.name);
    Prepare(v.name);
    const std::string bell = app_ + "\\" + v.file;
    if (v.bytes.empty())
      CreateDirectoryA(bell.c_str(), nullptr);
    else
      WriteFileBytes(bell, v.bytes);
    WriteIni(Lines({"[MainDlg]", "FirstFlag=0", "EndTabPos=1", "[SettingData]", "BellFile=" + bell,
                    "[Timer]", "TimerTime=1", "TimerRingBell=1"}));
    Launch();
    ASSERT_EQ(program_.MainTitle(), kTimerTitle);
    HWND start = program_.PageControl(IDC_TM_START);
    ASSERT_NE(start, nullptr);
    EXPECT_NE(program_.Ask(start, BM_CLICK), -1);
    // One second to zero, then the bell: the program must still answer.
    program_.AnswerBoxes(2500);
    EXPECT_NE(program_.Ask(program_.MainWindow(), WM_NULL), -1);
    EXPECT_TRUE(program_.BoxTexts().empty());
    CloseNormally();
    EXPECT_EQ(Value("SettingData", "BellFile"), bell);
  }
}

namespace {

// A folder inside root whose executable path, folder\MipoWatch.exe, is exactly
// length characters long (names of at most 200 characters each).
std::string FolderForExeLength(const std::string& root, size_t length) {
  const size_t exeName = std::strlen("\\MipoWatch.exe");
  std::string folder = root;
  while (folder.size() + exeName < length) {
    size_t room = length - exeName - folder.size() - 1;  // minus the separator
    if (room > 200)
      room = room - 200 < 2 ? room - 2 : 200;
    folder += "\\" + std::string(room, 'd');
  }
  return folder;
}

}  // namespace

TEST_F(BadInputTest, ExecutablePathsNearTheLimitStoreWhereTheyFitAndNowhereElse) {
  for (size_t length : {250u, 259u, 260u, 275u, 300u}) {
    SCOPED_TRACE(length);
    root_ = FreshCaseFolder("long-" + std::to_string(length));
    app_ = FolderForExeLength(root_, length);
    ASSERT_EQ(app_.size() + std::strlen("\\MipoWatch.exe"), length);
    appRelative_ = app_.substr(root_.size() + 1);
    user_ = NetworkUserName();
    if (!InstallProgram(app_)) {
      // The file system itself refuses paths this long: nothing to start.
      EXPECT_GT(length, 260u);
      std::printf("  exe path of %u characters: the system does not create it\n",
                  static_cast<unsigned>(length));
      continue;
    }
    const SettingsLocation where = ComposeSettingsLocation(app_ + "\\MipoWatch.exe", user_);
    before_ = ListTree(root_);
    RunningProgram program;
    if (!program.Start(app_)) {
      // Windows starts no program from a path of MAX_PATH characters or more.
      EXPECT_GE(length, 260u) << "the system refused to start a short enough path";
      std::printf("  exe path of %u characters: the system does not start it\n",
                  static_cast<unsigned>(length));
      continue;
    }
    std::printf("  exe path of %u characters: Data.ini %s\n", static_cast<unsigned>(length),
                where.iniPath.empty() ? "nowhere" : where.iniPath.substr(root_.size()).c_str());
    ASSERT_NE(program.WaitForMainWindow(), nullptr);
    EXPECT_EQ(program.Close(), 1);
    const std::vector<std::string> outside =
        NewEntriesOutside(before_, ListTree(root_), appRelative_);
    EXPECT_TRUE(outside.empty()) << outside[0];
    if (where.iniPath.empty()) {
      // No Data.ini path fits: the program ran on defaults and stored nothing.
      for (const std::string& entry : ListTree(root_))
        EXPECT_EQ(entry.find("Data.ini"), std::string::npos) << entry;
    } else {
      EXPECT_EQ(IniValue(where.iniPath, "MainDlg", "FirstFlag"), "0") << where.iniPath;
    }
  }
}

TEST_F(BadInputTest, UserFolderPathTooLongForTheBufferSharesTheFileBesideTheProgram) {
  root_ = FreshCaseFolder("long-user");
  app_ = FolderForExeLength(root_, 250);
  appRelative_ = app_.substr(root_.size() + 1);
  ASSERT_TRUE(InstallProgram(app_));
  // folder\abcdefghijklmnop\Data.ini would take 262 characters.
  const std::string user = "abcdefghijklmnop";
  LaunchAsUnixUser(user);
  CloseNormally();
  EXPECT_EQ(IniValue(app_ + "\\Data.ini", "MainDlg", "FirstFlag"), "0");
  EXPECT_EQ(GetFileAttributesA((app_ + "\\" + user).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(BadInputTest, FoldersStandingWhereDataIniAndTheFontFilesBelongAreLeftAlone) {
  Prepare("folders-in-the-way");
  PrepareUserFolder();
  const std::string folder = UserFolderOf(app_, user_);
  for (const char* name : {"Data.ini", "font1", "font2"})
    ASSERT_TRUE(CreateDirectoryA((folder + "\\" + name).c_str(), nullptr)) << name;
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    RunningProgram program;
    before_ = ListTree(root_);
    ASSERT_TRUE(program.Start(app_));
    ASSERT_NE(program.WaitForMainWindow(), nullptr);
    // Nothing can be read or stored: a first run each time, on defaults.
    EXPECT_EQ(program.BoxCaptions().size(), 3u);
    program.NextTab();
    EXPECT_EQ(program.MainTitle(), kTimerTitle);
    EXPECT_EQ(program.Close(), 1);
    EXPECT_EQ(ListTree(root_), before_);
  }
}

TEST_F(BadInputTest, DataIniOfAMegabyteOfNoiseStartsPromptlyOnDefaults) {
  Prepare("noise");
  std::string noise(1 << 20, '\0');
  unsigned state = 12345;
  for (char& c : noise) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 23);
  }
  WriteIni(noise);
  const DWORD start = GetTickCount();
  Launch();
  EXPECT_LT(GetTickCount() - start, 10000u);
  program_.NextTab();
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  CloseNormally();
  ExpectPagesWroteSaneValues(ini_);
  ExpectTimerWroteSaneValues(ini_);
}

TEST_F(BadInputTest, FontRecordsWithExtremeSizesStillDrawAndAreKept) {
  const struct {
    const char* name;
    int height;
    int width;
    int escapement;
    const char* fontDpi;  // no scaling counts as 96, so the records are not rescaled
  } cases[] = {
      {"font-huge", 0x7FFFFFFF, 0x7FFFFFFF, 3600, "FontDpi=0"},
      {"font-most-negative", INT_MIN, INT_MIN, INT_MIN, "FontDpi=-96"},
      {"font-dpi-garbage", -21, 0, 0, "FontDpi=9999999999"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Prepare(c.name);
    WriteIni(Lines({"[MainDlg]", "FirstFlag=0", c.fontDpi}));
    std::string record = FontRecordBytes("ＭＳ ゴシック", 0x00FF00);
    std::memcpy(&record[0], &c.height, 4);
    std::memcpy(&record[4], &c.width, 4);
    std::memcpy(&record[8], &c.escapement, 4);
    const std::string folder = UserFolderOf(app_, user_);
    WriteFileBytes(folder + "\\font1", record);
    WriteFileBytes(folder + "\\font2", record);
    Launch();
    program_.NextTab();
    EXPECT_EQ(program_.MainTitle(), kTimerTitle);
    EXPECT_NE(program_.Ask(program_.MainWindow(), WM_NULL), -1);
    CloseNormally();
    EXPECT_EQ(ReadFileBytes(folder + "\\font1"), record);
  }
}

TEST_F(BadInputTest, GarbageOnTheSettingsTabIsReportedAndTheStoredBellFileKept) {
  Prepare("settings-garbage");
  const std::string bell = "?:\\no such\\bell.wav";
  WriteIni(Lines({"[MainDlg]", "FirstFlag=0", "[SettingData]", "EndTab=x", "StartWay=12",
                  "TimeWay=-3", "EndWay=7", "BellFile=" + bell}));
  Launch();
  program_.NextTab();
  program_.NextTab();
  EXPECT_EQ(program_.MainTitle(), "Mipoウォッチ　[設定]");
  program_.PreviousTab();  // leaving the tab saves it
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  ASSERT_EQ(program_.BoxTexts().size(), 1u);
  EXPECT_EQ(program_.BoxTexts()[0], "ベルファイルが有効ではありません。");
  EXPECT_EQ(program_.BoxCaptions()[0], "");
  CloseNormally();
  EXPECT_EQ(Value("SettingData", "BellFile"), bell);
  EXPECT_EQ(Value("SettingData", "EndTab"), "0");
  // Methods no list item stands for are stored as "no selection", which every
  // reader takes for the page's own button.
  EXPECT_EQ(Value("SettingData", "StartWay"), "-1");
  EXPECT_EQ(Value("SettingData", "TimeWay"), "-1");
  EXPECT_EQ(Value("SettingData", "EndWay"), "7");
  ExpectWellFormed();
}

namespace {

BOOL CALLBACK CollectPages(HWND window, LPARAM data) {
  if (testing_support::IsDialog(window))
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

}  // namespace

TEST_F(BadInputTest, StrayPrivateMessagesFromAnotherProgramChangeNothingLasting) {
  Prepare("stray-messages");
  WriteIni(Lines({"[MainDlg]", "FirstFlag=0", "[SettingData]", "StartWay=7", "TimeWay=1"}));
  Launch();
  program_.NextTab();  // the timer page exists too
  program_.PreviousTab();
  std::vector<HWND> targets = {program_.MainWindow()};
  EnumChildWindows(program_.MainWindow(), CollectPages, reinterpret_cast<LPARAM>(&targets));
  ASSERT_GE(targets.size(), 3u);
  // Every private message number the program uses, with odd parameters: ticks
  // of timers that are not running, hook reports of any key or mouse message,
  // buttons of a maximised display that is not there.
  const UINT messages[] = {WM_USER + 50,  WM_USER + 100, WM_USER + 110, WM_USER + 200,
                           WM_USER + 300, WM_USER + 301, WM_USER + 400, WM_USER + 401,
                           WM_USER + 500, 6001,          6002};
  const WPARAM params[] = {0, 13, 32, 0x201, 0x205, 0x20A, 0xFFFFFFFF};
  for (HWND target : targets) {
    for (UINT message : messages) {
      for (WPARAM w : params) PostMessageA(target, message, w, static_cast<LPARAM>(w ^ 0x80000000));
    }
  }
  program_.AnswerBoxes(1500);
  EXPECT_NE(program_.Ask(program_.MainWindow(), WM_NULL), -1);
  CloseNormally();
  EXPECT_EQ(Value("SettingData", "StartWay"), "7");
  ExpectPagesWroteSaneValues(ini_);
  ExpectWellFormed();
}

TEST_F(BadInputTest, ProgramFolderWithBackslashTrailBytesKeepsItsFilesInside) {
  // 表 = 95 5C and ソ = 83 5C end the program's folder names.
  Prepare("program-trail-bytes", "表\\ソ");
  WriteIni(Lines({"[MainDlg]", "FirstFlag=0"}));
  Launch();
  program_.NextTab();
  EXPECT_EQ(program_.MainTitle(), kTimerTitle);
  CloseNormally();
  const std::string folder = UserFolderOf(app_, user_);
  EXPECT_EQ(Value("MainDlg", "EndTabPos"), "1");
  for (const char* font : {"font1", "font2"}) {
    EXPECT_EQ(ReadFileBytes(folder + "\\" + font).size(), 64u) << font;
  }
}
