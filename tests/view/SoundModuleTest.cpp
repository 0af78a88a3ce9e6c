// The layer between the game and the sound library, on the recording fakes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "view/SoundModule.h"

namespace morovan::testing {
namespace {

// The fake sound library, also keeping what the last dsCreateDSB was given.
class CapturingSound : public FakeSound {
 public:
  using FakeSound::FakeSound;
  std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* wave, std::size_t size,
                           std::int32_t flags) override {
    library_ = library;
    bytes.assign(wave, wave + size);
    size_ = size;
    flags_ = flags;
    return FakeSound::dsCreateDSB(library, wave, size, flags);
  }
  std::int32_t library_ = 0, flags_ = 0;
  std::size_t size_ = 0;
  std::vector<unsigned char> bytes;
};

// A game whose sound library is the capturing fake, run in an empty directory of
// its own, since sound files are looked for in the current directory.
class SoundModuleTest : public ::testing::Test {
 protected:
  static void writeFile(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
  }

  testing::InTempDirectory temp;
  FakePlatform fp;
  CapturingSound sound{fp.log};
  Game g{Platform{fp.canvas, fp.dialogs, sound, fp.clock, fp.timer, fp.menu, fp.panel, fp.window,
                  fp.hash},
         1};
};

TEST_F(SoundModuleTest, StartKeepsTheHandleAndWarnsOnlyWhenThereIsNoSound) {
  sound.libraryHandle = 7;
  soundStart(g);
  EXPECT_EQ(g.sound.Library, 7);
  EXPECT_TRUE(fp.dialogs.shown.empty());

  sound.libraryHandle = 0;
  soundStart(g);
  EXPECT_EQ(g.sound.Library, 0);
  ASSERT_EQ(fp.dialogs.shown.size(), 1u);
  const ShownMessage& m = fp.dialogs.shown[0];
  EXPECT_EQ(m.title, "Morovan.dll");
  EXPECT_EQ(m.text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(m.buttons, Buttons::Ok);
  EXPECT_EQ(m.icon, Icon::Warning);
}

TEST_F(SoundModuleTest, LoadHandsTheWholeFileWithItsSizeAndFlagsToTheLibrary) {
  // Bytes a text stream would mangle: a zero, a carriage return, a line feed, 0xff.
  const std::string content(
      "RIFF\0\r\n\xff"
      "data",
      12);
  writeFile("駒打音.wav", content);
  writeFile("BGM.wav", "music");
  g.sound.Library = 42;

  const int effect = loadSound(g, "駒打音.wav", 3);
  EXPECT_EQ(effect, 100);
  EXPECT_EQ(sound.library_, 42);
  EXPECT_EQ(sound.size_, content.size());
  EXPECT_EQ(std::string(sound.bytes.begin(), sound.bytes.end()), content);
  EXPECT_EQ(sound.flags_, 3);

  EXPECT_EQ(loadSound(g, "BGM.wav", 1), 101);
  EXPECT_EQ(sound.size_, 5u);
  EXPECT_EQ(sound.flags_, 1);
  EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(SoundModuleTest, LoadGivesZeroWithoutTheLibraryWhenThereIsNoSoundOrNoFile) {
  writeFile("禁止.wav", "RIFF");
  std::filesystem::create_directory("旗立.wav");

  g.sound.Library = 0;
  EXPECT_EQ(loadSound(g, "禁止.wav", 3), 0);  // the file is there, but no library

  g.sound.Library = 42;
  EXPECT_EQ(loadSound(g, "その他.wav", 3), 0);  // no such file
  EXPECT_EQ(loadSound(g, "旗立.wav", 3), 0);    // a directory is no sound file

  EXPECT_TRUE(fp.calls("dsCreateDSB").empty());
  EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(SoundModuleTest, LoadWarnsWithTheSystemsTextWhenReadingFails) {
  // The kernel lists this as a regular file, but reading its start fails with an
  // I/O error: a read error that no permission bit (ignored for root) can fake.
  const std::string unreadable = "/proc/self/mem";
  if (!std::filesystem::is_regular_file(unreadable)) GTEST_SKIP() << "no " << unreadable;
  g.sound.Library = 42;
  EXPECT_EQ(loadSound(g, unreadable, 3), 0);
  EXPECT_TRUE(fp.calls("dsCreateDSB").empty());
  ASSERT_EQ(fp.dialogs.shown.size(), 1u);
  EXPECT_EQ(fp.dialogs.shown[0].title, "Morovan.dll");
  EXPECT_EQ(fp.dialogs.shown[0].text, std::generic_category().message(EIO));
  EXPECT_EQ(fp.dialogs.shown[0].icon, Icon::Warning);
}

TEST_F(SoundModuleTest, StopTerminatesAnOpenLibraryOnce) {
  soundStop(g);  // no library: nothing to release
  EXPECT_TRUE(fp.calls("dsTerminate").empty());

  g.sound.Library = 9;
  soundStop(g);
  soundStop(g);
  EXPECT_EQ(fp.calls("dsTerminate"), std::vector<std::string>{"dsTerminate 9"});
  EXPECT_EQ(g.sound.Library, 0);
}

TEST_F(SoundModuleTest, PlayPassesEveryHandleAsItIs) {
  playSound(g, 101);
  playSound(g, 0);  // a sound that failed to load: the library ignores it
  EXPECT_EQ(fp.calls("dsPlay"), (std::vector<std::string>{"dsPlay 101", "dsPlay 0"}));
}

}  // namespace
}  // namespace morovan::testing
