// The built program as a user starts it: command line, first run, files written.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs.h"
#include "wait_until.h"
#include "win32_test_support.h"

using namespace testing_support;

namespace {

const char kProgram[] = MIPO_BIN_DIR "\\MipoWatch.exe";

// A private copy of the program in a folder of its own, so each case starts
// with no Data.ini beside it.
std::string Install(const std::string& name) {
  const std::string folder = UseFreshSettings("e2e-" + name);
  const std::string exe = folder + "\\MipoWatch.exe";
  EXPECT_TRUE(CopyFileA(kProgram, exe.c_str(), FALSE)) << kProgram;
  return folder;
}

struct ProgramRun {
  PROCESS_INFORMATION process = {};
  bool started = false;
  ~ProgramRun() {
    if (!started)
      return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
};

bool Start(ProgramRun* run, const std::string& folder, const std::string& arguments) {
  // The entry point sees exactly what follows the program name and one blank.
  std::string commandLine = "\"" + folder + "\\MipoWatch.exe\"";
  if (!arguments.empty())
    commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  std::string mutableLine = commandLine;
  // Started from another folder: the program must move to its own.
  run->started = CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                "C:\\", &startup, &run->process) != FALSE;
  return run->started;
}

// The program's notices and its main window are dialogs, told apart by title.
HWND WaitForWindow(DWORD processId, const std::string& title, DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    HWND found =
        FindProcessDialog(processId, [&](HWND window) { return WindowText(window) == title; });
    if (found != nullptr)
      return found;
    Sleep(50);
  }
  return nullptr;
}

class ProgramTest : public ::testing::TestWithParam<const char*> {};

TEST(Program, RefusedCommandLinesEndAtOnceWithoutAWindowOrFiles) {
  for (const char* arguments : {"-N", "\"-n \"", "/n", "x"}) {
    const std::string folder = Install("refused");
    ProgramRun run;
    ASSERT_TRUE(Start(&run, folder, arguments));
    ASSERT_EQ(WaitForSingleObject(run.process.hProcess, 20000), WAIT_OBJECT_0) << arguments;
    DWORD code = 99;
    GetExitCodeProcess(run.process.hProcess, &code);
    EXPECT_EQ(code, 0u) << arguments;
    EXPECT_EQ(GetFileAttributesA(IniPathOf(folder, NetworkUserName()).c_str()),
              INVALID_FILE_ATTRIBUTES)
        << arguments;
    EXPECT_EQ(GetFileAttributesA((folder + "\\Data.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

TEST_P(ProgramTest, AcceptedCommandLineRunsFirstRunAndWritesDataIniAtClose) {
  const std::string folder = Install("accepted");
  ProgramRun run;
  ASSERT_TRUE(Start(&run, folder, GetParam()));
  // First run: three notices with the program's caption come before anything else.
  int notices = 0;
  for (int i = 0; i < 3; ++i) {
    HWND box = WaitForWindow(run.process.dwProcessId, "Mipoウォッチ", 20000);
    ASSERT_NE(box, nullptr) << "notice " << i;
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    ++notices;
    // The next search must not find this notice again.
    WaitUntil([&] { return !IsWindowVisible(box); }, 5000);
  }
  EXPECT_EQ(notices, 3);
  HWND main = WaitForWindow(run.process.dwProcessId, "Mipoウォッチ　[ストップウォッチ]", 20000);
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_EQ(WaitForSingleObject(run.process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(run.process.hProcess, &code);
  EXPECT_EQ(code, 1u);

  const std::string ini = IniPathOf(folder, NetworkUserName());
  EXPECT_EQ(IniValue(ini, "MainDlg", "FirstFlag"), "0");
  EXPECT_EQ(IniValue(ini, "MainDlg", "Width"), "0");
  EXPECT_EQ(IniValue(ini, "MainDlg", "EndTabPos"), "0");
}

INSTANTIATE_TEST_SUITE_P(EmptyAndDashN, ProgramTest, ::testing::Values("", "-n"));

}  // namespace
