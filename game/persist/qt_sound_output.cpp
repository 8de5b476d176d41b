#include "qt_sound_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace vorpex {

namespace {
// The stream's buffer: short, so that a click is heard as the tile moves.
constexpr int kBufferMilliseconds = 60;
constexpr qint64 kIdleMilliseconds = 1000;
constexpr int kIdleCheckMilliseconds = 500;

QAudioFormat formatOf(const PcmClip& clip) {
  QAudioFormat format;
  format.setSampleRate(clip.sampleRate);
  format.setChannelCount(clip.channels);
  format.setSampleFormat(clip.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  return format;
}
}  // namespace

void ClipStream::restartClock() {
  clock_.start();
  handedOut_ = 0;
}

void ClipStream::startClip(const PcmClip* clip) {
  clip_ = clip;
  position_ = 0;
  silentBytes_ = 0;
}

qint64 ClipStream::silentMilliseconds() const {
  const int perSecond = format_.bytesForDuration(1000000);
  return perSecond > 0 ? silentBytes_ * 1000 / perSecond : 0;
}

qint64 ClipStream::bytesAvailable() const {
  // Always something to read: the clip's rest, or silence.
  return std::max<qint64>(QIODevice::bytesAvailable(), format_.bytesForDuration(kBufferMilliseconds * 1000));
}

qint64 ClipStream::readData(char* data, qint64 maxSize) {
  // Never more than the buffer's length ahead of the clock: a sink that
  // asks for seconds at once would otherwise queue a new clip behind them.
  const qint64 due = format_.bytesForDuration((clock_.elapsed() + kBufferMilliseconds) * 1000) - handedOut_;
  maxSize = std::min(maxSize, due - due % std::max(1, format_.bytesPerFrame()));
  if (maxSize <= 0) return 0;
  handedOut_ += maxSize;
  const auto wanted = static_cast<size_t>(maxSize);
  size_t given = 0;
  if (clip_ && position_ < clip_->samples.size()) {
    given = std::min(wanted, clip_->samples.size() - position_);
    std::memcpy(data, clip_->samples.data() + position_, given);
    position_ += given;
  }
  if (given < wanted) {
    // Silence: 0 for signed samples, 128 for unsigned 8-bit ones.
    const int zero = format_.sampleFormat() == QAudioFormat::UInt8 ? 128 : 0;
    std::memset(data + given, zero, wanted - given);
    silentBytes_ += static_cast<qint64>(wanted - given);
  }
  return maxSize;
}

QtSoundOutput::QtSoundOutput() {
  // Unbuffered: a new clip must not wait behind bytes QIODevice read ahead.
  stream_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

QtSoundOutput::~QtSoundOutput() {
  if (sink_) sink_->stop();
}

const PcmClip* QtSoundOutput::clipFor(const std::string& path) {
  auto found = clips_.find(path);
  if (found == clips_.end()) {
    std::optional<PcmClip> clip;
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::ReadOnly)) {
      const QByteArray bytes = file.readAll();
      clip = readWavClip(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    found = clips_.emplace(path, std::move(clip)).first;
  }
  return found->second ? &*found->second : nullptr;
}

void QtSoundOutput::prepareStream(const PcmClip& clip) {
  const QAudioFormat format = formatOf(clip);
  if (sink_ && format == format_) return;
  if (sink_) sink_->stop();
  format_ = format;
  stream_.setFormat(format);
  sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
  sink_->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
}

void QtSoundOutput::prepare(const std::string& path) {
  const PcmClip* clip = clipFor(path);
  if (clip && !sink_ && !QMediaDevices::defaultAudioOutput().isNull()) prepareStream(*clip);
}

void QtSoundOutput::play(const std::string& path) {
  const PcmClip* clip = clipFor(path);
  if (!clip || QMediaDevices::defaultAudioOutput().isNull()) {
    stop();
    return;
  }
  prepareStream(*clip);
  stream_.startClip(clip);
  if (sink_->state() != QAudio::ActiveState && sink_->state() != QAudio::IdleState) {
    stream_.restartClock();
    sink_->start(&stream_);
    stopWhenIdle();
  }
}

void QtSoundOutput::stop() { stream_.silence(); }

void QtSoundOutput::stopWhenIdle() {
  QTimer::singleShot(kIdleCheckMilliseconds, sink_.get(), [this] {
    if (!sink_ || sink_->state() == QAudio::StoppedState) return;
    if (stream_.silentMilliseconds() >= kIdleMilliseconds) {
      sink_->stop();
    } else {
      stopWhenIdle();
    }
  });
}

}  // namespace vorpex
