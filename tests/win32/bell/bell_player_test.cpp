#include "bell/bell_player_win32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/fakes_win32.h"
#include "wait_until.h"
#include "win32_test_support.h"

namespace {

class BellPlayerCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryA(sizeof savedDir_, savedDir_);
    SetCurrentDirectoryA("C:\\windows");
  }
  void TearDown() override { SetCurrentDirectoryA(savedDir_); }

  std::vector<UINT> Messages() const { return recorder_.Messages(); }

  char savedDir_[MAX_PATH] = {};
  fakes::BellDevice recorder_;
};

TEST_F(BellPlayerCommands, OpenNamesTheDeviceTypeAndTheFileRelativeToTheCurrentDirectory) {
  BellPlayer player(recorder_);
  ASSERT_TRUE(player.Open("\\bell.wav"));
  EXPECT_EQ(7u, player.DeviceId());
  ASSERT_EQ(1u, recorder_.sent.size());
  EXPECT_EQ(static_cast<UINT>(MCI_OPEN), recorder_.sent[0].message);
  EXPECT_EQ(static_cast<DWORD_PTR>(0x2200), recorder_.sent[0].flags);
  EXPECT_EQ("waveaudio", recorder_.sent[0].deviceType);
  EXPECT_EQ("C:\\windows\\bell.wav", recorder_.sent[0].element);

  recorder_.sent.clear();
  ASSERT_TRUE(player.Open("D:\\snd\\Bell.MID"));
  // The first device is closed before the second opens: never two at once.
  ASSERT_EQ((std::vector<UINT>{MCI_CLOSE, MCI_OPEN}), Messages());
  EXPECT_EQ(7u, recorder_.sent[0].device);
  EXPECT_EQ("sequencer", recorder_.sent[1].deviceType);
  EXPECT_EQ("D:\\snd\\Bell.MID", recorder_.sent[1].element);
  EXPECT_EQ(8u, player.DeviceId());
}

TEST_F(BellPlayerCommands, AFailedOpenLeavesNoDevice) {
  BellPlayer player(recorder_);
  recorder_.failing = MCI_OPEN;
  EXPECT_FALSE(player.Open("alarm.Mp3"));
  EXPECT_EQ(0u, player.DeviceId());
  EXPECT_EQ("MPEGVideo", recorder_.sent.at(0).deviceType);
  EXPECT_FALSE(player.Open(""));  // no file named: nothing sent
  EXPECT_EQ(1u, recorder_.sent.size());
}

TEST_F(BellPlayerCommands, PlayRewindsThenPlaysWithANoticeToTheWindow) {
  BellPlayer player(recorder_);
  ASSERT_TRUE(player.Open("bell.wav"));
  recorder_.sent.clear();
  HWND notify = reinterpret_cast<HWND>(0x1234);
  EXPECT_TRUE(player.Play(notify));
  ASSERT_EQ((std::vector<UINT>{MCI_SEEK, MCI_PLAY}), Messages());
  EXPECT_EQ(static_cast<DWORD_PTR>(MCI_SEEK_TO_START), recorder_.sent[0].flags);
  EXPECT_EQ(static_cast<DWORD_PTR>(MCI_NOTIFY), recorder_.sent[1].flags);
  EXPECT_EQ(reinterpret_cast<DWORD_PTR>(notify), recorder_.sent[1].callback);
  EXPECT_EQ(7u, player.DeviceId());
}

TEST_F(BellPlayerCommands, AFailedRewindOrPlayClosesTheDevice) {
  for (UINT failing : {static_cast<UINT>(MCI_SEEK), static_cast<UINT>(MCI_PLAY)}) {
    BellPlayer player(recorder_);
    ASSERT_TRUE(player.Open("bell.wav"));
    const UINT device = player.DeviceId();
    recorder_.sent.clear();
    recorder_.failing = failing;
    EXPECT_FALSE(player.Play(nullptr));
    EXPECT_EQ(0u, player.DeviceId());
    ASSERT_EQ(MCI_CLOSE, Messages().back());
    EXPECT_EQ(device, recorder_.sent.back().device);
    recorder_.failing = 0;
  }
}

TEST_F(BellPlayerCommands, StopKeepsTheDeviceUnlessItFails) {
  BellPlayer player(recorder_);
  ASSERT_TRUE(player.Open("bell.wav"));
  recorder_.sent.clear();
  EXPECT_TRUE(player.Stop());
  EXPECT_EQ((std::vector<UINT>{MCI_STOP}), Messages());
  EXPECT_EQ(static_cast<DWORD_PTR>(0), recorder_.sent[0].flags);
  EXPECT_EQ(7u, player.DeviceId());

  recorder_.sent.clear();
  recorder_.failing = MCI_STOP;
  EXPECT_FALSE(player.Stop());
  EXPECT_EQ((std::vector<UINT>{MCI_STOP, MCI_CLOSE}), Messages());
  EXPECT_EQ(0u, player.DeviceId());
}

TEST_F(BellPlayerCommands, CloseForgetsTheDeviceAndAlwaysReportsOne) {
  BellPlayer player(recorder_);
  ASSERT_TRUE(player.Open("bell.wav"));
  recorder_.sent.clear();
  recorder_.failing = MCI_CLOSE;  // its result is not looked at
  EXPECT_EQ(1, player.Close());
  EXPECT_EQ(0u, player.DeviceId());
  EXPECT_EQ(1, player.Close());  // nothing left to close: nothing sent
  EXPECT_EQ((std::vector<UINT>{MCI_CLOSE}), Messages());
}

TEST_F(BellPlayerCommands, WithoutADeviceNothingIsSentToDeviceZero) {
  BellPlayer player(recorder_);
  EXPECT_FALSE(player.Play(nullptr));
  EXPECT_FALSE(player.Stop());
  EXPECT_EQ(1, player.Close());
  EXPECT_TRUE(recorder_.sent.empty());
}

TEST_F(BellPlayerCommands, DestroyingThePlayerStopsAndClosesItsDevice) {
  {
    BellPlayer player(recorder_);
    ASSERT_TRUE(player.Open("bell.wav"));
    ASSERT_TRUE(player.Play(nullptr));
    recorder_.sent.clear();
  }
  EXPECT_EQ((std::vector<UINT>{MCI_STOP, MCI_CLOSE}), Messages());
  recorder_.sent.clear();
  { BellPlayer idle(recorder_); }
  EXPECT_TRUE(recorder_.sent.empty());
}

// --- The real media control interface ----------------------------------------

// A tenth of a second of 16-bit mono PCM at 22050 Hz, every sample different
// from its neighbours, so what reaches the sound device can be recognised.
std::string SampleData() {
  std::string data;
  for (int i = 0; i < 2205; ++i) {
    const int sample = ((i * 37) % 2000) - 1000;
    data += static_cast<char>(sample & 0xFF);
    data += static_cast<char>((sample >> 8) & 0xFF);
  }
  return data;
}

std::string WaveOf(const std::string& samples) {
  auto u32 = [](DWORD v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  };
  auto u16 = [](WORD v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  };
  std::string fmt = "fmt " + u32(16) + u16(1) + u16(1) + u32(22050) + u32(44100) + u16(2) + u16(16);
  std::string data = "data" + u32(static_cast<DWORD>(samples.size())) + samples;
  return "RIFF" + u32(4 + static_cast<DWORD>(fmt.size() + data.size())) + "WAVE" + fmt + data;
}

// The file the test environment's sound device writes what it is played into
// (MIPO_SOUND_FILE, a Unix path; see scripts/env.sh), as Wine names it.
std::string SoundDeviceFile() {
  char unixPath[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("MIPO_SOUND_FILE", unixPath, sizeof unixPath);
  if (n == 0 || n >= sizeof unixPath)
    return std::string();
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

TEST(BellPlayerDevice, AMissingFileOpensNoDevice) {
  const std::string folder = testing_support::UseFreshSettings("bell_missing");
  MciBellDevice mci;
  BellPlayer player(mci);
  EXPECT_FALSE(player.Open((folder + "\\no-such-bell.wav").c_str()));
  EXPECT_EQ(0u, player.DeviceId());
  EXPECT_FALSE(player.Play(nullptr));
  EXPECT_EQ(1, player.Close());
}

// The bell as the timer rings it, on a sound device that keeps what it is
// played: every sample arrives, and ringing again closes the first device.
TEST(BellPlayerDevice, AWaveFilePlaysToTheEndOnTheSoundDeviceAndRingsAgain) {
  const std::string played = SoundDeviceFile();
  ASSERT_FALSE(played.empty()) << "MIPO_SOUND_FILE names no sound device: run under make test";
  const std::string folder = testing_support::UseFreshSettings("bell_wave");
  const std::string path = folder + "\\bell.wav";
  const std::string samples = SampleData();
  testing_support::WriteFileBytes(path, WaveOf(samples));
  testing_support::TestParentWindow window;

  MciBellDevice mci;
  BellPlayer player(mci);
  ASSERT_TRUE(player.Open(path.c_str()));
  const UINT first = player.DeviceId();
  EXPECT_NE(0u, first);
  ASSERT_TRUE(player.Play(window.Window()));
  std::string arrived;
  testing_support::WaitUntil(
      [&] {
        arrived = testing_support::ReadFileBytes(played);
        return arrived.find(samples) != std::string::npos;
      },
      5000);
  std::printf("sound device %s received %u bytes for %u bytes of samples\n", played.c_str(),
              static_cast<unsigned>(arrived.size()), static_cast<unsigned>(samples.size()));
  EXPECT_NE(std::string::npos, arrived.find(samples)) << "the samples did not reach the device";

  // Ringing again as the timer does: the first device is gone before the next.
  player.Stop();
  player.Close();
  EXPECT_EQ(0u, player.DeviceId());
  ASSERT_TRUE(player.Open(path.c_str()));
  EXPECT_TRUE(player.Play(window.Window()));
  if (player.DeviceId() != first) {
    MCI_GENERIC_PARMS parms = {};
    EXPECT_NE(0u, mciSendCommandA(first, MCI_STOP, 0, reinterpret_cast<DWORD_PTR>(&parms)))
        << "the first device is still open";
  }
  EXPECT_TRUE(player.Stop());
  EXPECT_EQ(1, player.Close());
  EXPECT_EQ(0u, player.DeviceId());
}

TEST(BellPlayerDevice, ARelativePathIsFoundInTheCurrentDirectory) {
  const std::string folder = testing_support::UseFreshSettings("bell_relative");
  testing_support::WriteFileBytes(folder + "\\bell.wav", WaveOf(SampleData()));
  char saved[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof saved, saved);
  SetCurrentDirectoryA(folder.c_str());
  MciBellDevice mci;
  BellPlayer probe(mci);
  const bool absolute = probe.Open((folder + "\\bell.wav").c_str());
  probe.Close();
  BellPlayer player(mci);
  const bool relative = player.Open("bell.wav");
  const bool leading = player.Open("\\bell.wav");
  SetCurrentDirectoryA(saved);
  ASSERT_TRUE(absolute);
  EXPECT_TRUE(relative);
  EXPECT_TRUE(leading);
}

}  // namespace
