// The sound switches and the help document, with recorders in place of the desktop.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <QAudioDevice>
#include <QMediaDevices>
#endif

#include "help.h"
#include "loaded_sound_output.h"
#include "program_files.h"
#if !defined(_WIN32)
#include "qt_sound_output.h"
#endif
#include "recording_output.h"
#include "sounds.h"
#include "text_codec.h"

namespace vorpex {
namespace {

using testing::RecordingOutput;

std::vector<std::string> playAll(const std::array<int16_t, 7>& switches) {
  GameState state;
  state.soundOptions = switches;
  RecordingOutput output;
  Sounds sounds(state, output);
  sounds.initSoundFiles("/opt/arcade-vorpex/");
  for (int id = -1; id <= 6; ++id) sounds.playSound(id);
  return output.played;
}

TEST(Sounds, SwitchZeroSilencesEverySound) {
  EXPECT_TRUE(playAll({0, 1, 1, 1, 1, 1, 1}).empty());
}

TEST(Sounds, EachSoundFollowsItsOwnSwitch) {
  EXPECT_EQ(playAll({1, 1, 1, 1, 0, 1, 1}),
            (std::vector<std::string>{"CLICK.wav", "UNCLICK.wav", "BEEP.wav", "RIGHT.wav", "CLAP.wav"}));
  // A negative switch is off, except for the new-word sound, which plays when nonzero.
  EXPECT_EQ(playAll({1, -1, -1, -1, -1, -1, -1}), (std::vector<std::string>{"RIGHT.wav"}));
}

TEST(Sounds, FilesLieInTheProgramFolderAndStopReachesThePlayer) {
  GameState state;
  RecordingOutput output;
  Sounds sounds(state, output);
  sounds.initSoundFiles("/opt/arcade-vorpex/");
  EXPECT_EQ(sounds.soundFiles()[5], "/opt/arcade-vorpex/CLAP.wav");
  sounds.stopSound();
  EXPECT_EQ(output.stops, 1);
}

// What the audio device is fed: a new clip cuts the one playing at once,
// and after a clip comes silence (128 for unsigned 8-bit samples).
#if !defined(_WIN32)
TEST(QtSoundOutput, ANewClipCutsTheOneBeforeAndSilenceFollows) {
  QAudioFormat format;
  format.setSampleRate(8000);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::UInt8);
  const PcmClip first{8000, 1, 8, std::vector<uint8_t>(10, 200)};
  const PcmClip second{8000, 1, 8, std::vector<uint8_t>(10, 50)};
  ClipStream stream;
  stream.setFormat(format);
  ASSERT_TRUE(stream.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
  stream.restartClock();
  stream.startClip(&first);
  EXPECT_EQ(stream.read(4), QByteArray(4, static_cast<char>(200)));
  stream.startClip(&second);
  EXPECT_EQ(stream.read(14), QByteArray(10, static_cast<char>(50)) + QByteArray(4, static_cast<char>(128)))
      << "the first clip's rest is never heard";

  // A sound is fed to the device only where there is one; a file that is
  // not there cuts the sound before it, as stop() does.
  QtSoundOutput output;
  const bool device = !QMediaDevices::defaultAudioOutput().isNull();
  output.play(std::string(VORPEX_APP_DIR) + "/RIGHT.wav");
  EXPECT_EQ(output.sounding(), device);
  output.play("/nonexistent/CLICK.wav");
  EXPECT_FALSE(output.sounding());
  output.play(std::string(VORPEX_APP_DIR) + "/RIGHT.wav");
  output.stop();
  EXPECT_FALSE(output.sounding());
}

#endif

// The module of this platform (Qt Multimedia, or winmm on Windows) through
// its five functions.
TEST(LoadedSoundOutput, TheBuiltModuleLoadsAndPlaysWithoutAProblem) {
  LoadedSoundOutput output(std::string(VORPEX_APP_DIR) + "/" + files::kSoundModule);
  output.stop();  // before loading: nothing to stop
  EXPECT_EQ(output.problem(), "");
  output.prepare(std::string(VORPEX_APP_DIR) + "/CLICK.wav");
  output.play(std::string(VORPEX_APP_DIR) + "/RIGHT.wav");
  output.play("/nonexistent/CLICK.wav");
  output.stop();
  EXPECT_EQ(output.problem(), "");
}

TEST(LoadedSoundOutput, AMissingOrWrongModuleLeavesTheGameSilentAndSaysWhy) {
  LoadedSoundOutput missing(std::string("/nonexistent/folder/") + files::kSoundModule);
  missing.play(std::string(VORPEX_APP_DIR) + "/RIGHT.wav");
  missing.prepare(std::string(VORPEX_APP_DIR) + "/CLICK.wav");
  missing.stop();
  EXPECT_NE(missing.problem().find(std::string("\"") + files::kSoundModule + "\" in the folder"), std::string::npos)
      << missing.problem();
  EXPECT_NE(missing.problem().find("silent"), std::string::npos);

  // A library that loads but is no sound module: the engine.
  LoadedSoundOutput wrong(std::string(VORPEX_APP_DIR) + "/" + files::kEngineLibrary);
  wrong.play(std::string(VORPEX_APP_DIR) + "/RIGHT.wav");
  wrong.stop();
  EXPECT_NE(wrong.problem().find("lacks one of its functions"), std::string::npos) << wrong.problem();
}

#if !defined(_WIN32)
// The stream behind playback: a clip from its start, then silence, and a
// new clip cutting in at once. (Replaying QSoundEffects fell silent on
// every fifth play, so the game mixes its own stream.)
TEST(ClipStream, PlaysAClipThenSilenceAndANewClipCutsIn) {
  PcmClip first{22050, 1, 16, std::vector<uint8_t>(100, 7)};
  PcmClip second{22050, 1, 16, std::vector<uint8_t>(100, 9)};
  QAudioFormat format;
  format.setSampleRate(22050);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  ClipStream stream;
  stream.setFormat(format);
  stream.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
  stream.restartClock();  // at least the buffer's length may be read at once: over 1000 bytes
  stream.startClip(&first);
  QByteArray bytes = stream.read(60);
  EXPECT_EQ(bytes, QByteArray(60, 7));
  stream.startClip(&second);  // cuts the first
  bytes = stream.read(300);
  EXPECT_EQ(bytes, QByteArray(100, 9) + QByteArray(200, 0));
  EXPECT_GT(stream.silentMilliseconds(), 0);
  stream.silence();
  stream.startClip(&first);
  EXPECT_EQ(stream.silentMilliseconds(), 0);
  stream.silence();  // stop: silence from the next byte
  EXPECT_EQ(stream.read(10), QByteArray(10, 0));
}

#endif

TEST(Help, OpensTheInstructionsOfTheProgramFolder) {
  struct Recorder : DocumentOpener {
    bool open(const std::string& path) override {
      opened = path;
      return true;
    }
    std::string opened;
  } recorder;
  openHelp(recorder, "/opt/arcade-vorpex/");
  EXPECT_EQ(recorder.opened, "/opt/arcade-vorpex/TOLMIN.HTM");
  // A language's own where the folder holds them, else the English.
  const std::string app = std::string(VORPEX_APP_DIR) + "/";
  struct Case {
    Language language;
    const char* file;
  };
  for (const Case& c : {Case{Language::german, "TOLMIN-DE.HTM"}, Case{Language::french, "TOLMIN-FR.HTM"},
                        Case{Language::english, "TOLMIN.HTM"}}) {
    openHelp(recorder, app, c.language);
    EXPECT_EQ(recorder.opened, app + c.file);
  }
  EXPECT_EQ(helpPath("/nowhere/", Language::german), "/nowhere/TOLMIN.HTM");
}

TEST(TextCodec, Windows1252RoundTripsOneByteACharacter) {
  const std::string bytes = "Zo\xeb \x80 \x9f \xff";
  const QString text = fromAnsi(bytes);
  EXPECT_EQ(text, QString::fromUtf8("Zoë € Ÿ ÿ"));
  EXPECT_EQ(toAnsi(text), bytes);
  EXPECT_EQ(toAnsi(QString::fromUtf8("日本")), "??");
}

}  // namespace
}  // namespace vorpex
