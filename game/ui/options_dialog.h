// "Set Options": the starting level and the timer difficulty, with the
// platform's own group boxes, radio buttons and push buttons, and the
// player's preferences beyond them. "OK" writes the choice into the
// settings record and the preferences; "Cancel" or closing the window
// discards it. The settings reach the store at the next normal exit.
#pragma once

#include <QCheckBox>
#include <QDialog>

#include "game_state.h"

class QComboBox;
class QRadioButton;
class QPushButton;

namespace vorpex {

class OptionsDialog : public QDialog {
 public:
  OptionsDialog(GameState& state, QWidget* parent);

  // Ticks starting level `choice` (1..4) / timer difficulty `choice`
  // (1..3); a value out of range ticks the nearest one.
  void setStartLevel(int16_t choice);
  void setTimerDifficulty(int16_t choice);
  int16_t startLevel() const { return startLevel_; }
  int16_t timerDifficulty() const { return timerDifficulty_; }

  QRadioButton& levelButton(int index) { return *levelButtons_[index]; }
  QRadioButton& timeButton(int index) { return *timeButtons_[index]; }
  QCheckBox& typeLettersBox() { return *typeLetters_; }
  QCheckBox& showMeaningsBox() { return *showMeanings_; }
  QCheckBox& highContrastBox() { return *highContrast_; }
  // The words: everyday words of American or British spelling, or Classic
  // (items in WordList order: Classic, American, British).
  QComboBox& wordsBox() { return *words_; }
  // The language of new games, each named in itself (items in the order of
  // kLanguages).
  QComboBox& languageBox() { return *language_; }
  QPushButton& okButton() { return *okButton_; }
  QPushButton& cancelButton() { return *cancelButton_; }

 private:
  GameState& state_;
  int16_t startLevel_ = 1;
  int16_t timerDifficulty_ = 1;
  QRadioButton* levelButtons_[4];
  QRadioButton* timeButtons_[3];
  QCheckBox* typeLetters_;
  QCheckBox* showMeanings_;
  QCheckBox* highContrast_;
  QComboBox* words_;
  QComboBox* language_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace vorpex
