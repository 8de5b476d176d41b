// frmOp, "Set Options": the starting level and the timer difficulty, with
// the platform's own group boxes, radio buttons and push buttons. "OK"
// writes the choice into solvingData; "Cancel" or closing the window
// discards it. The settings reach the store at the next normal exit.
#pragma once

#include <QCheckBox>
#include <QDialog>

#include "game_state.h"

class QRadioButton;
class QPushButton;

namespace vorpex {

class OptionsDialog : public QDialog {
 public:
  OptionsDialog(GameState& state, QWidget* parent);

  // Ticks starting level `iSel` (1..4) / time option `iSel` (1..3); a value
  // out of range ticks the nearest one.
  void setLelOption(int16_t iSel);
  void setTimeOption(int16_t iSel);
  int16_t selLevel() const { return selLevel_; }
  int16_t selTime() const { return selTime_; }

  QRadioButton& levelButton(int index) { return *opSL_[index]; }
  QRadioButton& timeButton(int index) { return *opTime_[index]; }
  QCheckBox& typeLettersBox() { return *typeLetters_; }
  QCheckBox& showMeaningsBox() { return *showMeanings_; }
  QCheckBox& highContrastBox() { return *highContrast_; }
  QPushButton& okButton() { return *command1_; }
  QPushButton& cancelButton() { return *command2_; }

 private:
  GameState& state_;
  int16_t selLevel_ = 1;
  int16_t selTime_ = 1;
  QRadioButton* opSL_[4];
  QRadioButton* opTime_[3];
  QCheckBox* typeLetters_;
  QCheckBox* showMeanings_;
  QCheckBox* highContrast_;
  QPushButton* command1_;
  QPushButton* command2_;
};

}  // namespace vorpex
