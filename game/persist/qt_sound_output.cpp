#include "qt_sound_output.h"

#include <QUrl>

namespace vorpex {

void QtSoundOutput::play(const std::string& path) {
  stop();
  auto& effect = effects_[path];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  }
  effect->play();  // plays as soon as it is loaded; an unloadable file stays silent
  playing_ = effect.get();
}

void QtSoundOutput::stop() {
  if (playing_) playing_->stop();
  playing_ = nullptr;
}

}  // namespace vorpex
