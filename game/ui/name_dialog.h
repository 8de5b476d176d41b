// "Best Score": asks the name of a player whose score entered the
// Hall of Fame, with the platform's own label, line edit and button over the
// stretched backdrop. The name is taken as typed however the dialog closes;
// the caller cuts it to its stored form.
#pragma once

#include <QDialog>

#include "drawing_kit.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorpex {

class NameDialog : public QDialog {
 public:
  // `gameMode` 1 or 2 names the table in the congratulation.
  NameDialog(const DrawingKit& kit, int16_t gameMode, QWidget* parent);

  QString playerName() const;
  QLineEdit& nameEdit() { return *nameEdit_; }
  QPushButton& okButton() { return *okButton_; }
  QLabel& congratulation() { return *congratulation_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Surface backdrop_;
  QLabel* prompt_;
  QLineEdit* nameEdit_;
  QPushButton* okButton_;
  QLabel* congratulation_;
};

}  // namespace vorpex
