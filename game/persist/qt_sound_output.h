// Sound playback over Qt Multimedia. One sound plays at a time: starting a
// sound cuts the one before, at once. Without an audio device nothing is
// heard and nothing is reported; an unreadable file plays nothing.
//
// The sounds are mixed into one audio stream of our own rather than played
// as QSoundEffects: an effect played again and again fell silent now and
// then (every fifth play on PulseAudio), and each effect holds a stream of
// its own. The stream starts at the first sound and stops after a second of
// silence, so an idle game keeps no audio device busy.
#pragma once

#include <QAudioFormat>
#include <QElapsedTimer>
#include <QIODevice>
#include <map>
#include <memory>
#include <optional>

#include "sounds.h"
#include "wav_clip.h"

class QAudioSink;

namespace vorpex {

// What the audio stream reads: the current clip from its start, then
// silence. Pull mode: the sink asks for bytes as it needs them.
class ClipStream : public QIODevice {
 public:
  void startClip(const PcmClip* clip);
  void silence() { clip_ = nullptr; }
  // Whether a clip is being handed out (it may be at its end).
  bool hasClip() const { return clip_ != nullptr; }
  // Milliseconds of silence handed out since the last clip ended.
  qint64 silentMilliseconds() const;
  void setFormat(const QAudioFormat& format) { format_ = format; }
  // The stream (re)starts: what it hands out is paced from now.
  void restartClock();

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }
  qint64 bytesAvailable() const override;
  bool isSequential() const override { return true; }

 private:
  const PcmClip* clip_ = nullptr;
  size_t position_ = 0;
  qint64 silentBytes_ = 0;
  qint64 handedOut_ = 0;
  QElapsedTimer clock_;
  QAudioFormat format_;
};

class QtSoundOutput : public SoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;
  void play(const std::string& path) override;
  void stop() override;
  // Reads `path` now, and opens the audio device if no sound has yet, so
  // that its first play starts without either delay.
  void prepare(const std::string& path);
  // Whether a sound is being fed to the audio device: never without one,
  // nor after stop() or a file that cannot be read.
  bool sounding() const { return stream_.hasClip(); }

 private:
  // The clip of `path`, read at its first use and kept (null when unreadable).
  const PcmClip* clipFor(const std::string& path);
  // A stream in `clip`'s format, made anew when the format changes.
  void prepareStream(const PcmClip& clip);
  void stopWhenIdle();

  std::map<std::string, std::optional<PcmClip>> clips_;
  ClipStream stream_;
  std::unique_ptr<QAudioSink> sink_;
  QAudioFormat format_;
};

}  // namespace vorpex
