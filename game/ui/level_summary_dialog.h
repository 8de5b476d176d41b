// diagWow, "Game Statistics": the level summary shown at every level end,
// drawn with the drawing kit. It shows the text it is given (the session
// builds it) and closes on its OK button, Enter or Esc.
#pragma once

#include "drawing_kit.h"
#include "drawn_dialog.h"

namespace vorpex {

class LevelSummaryDialog : public OkButtonDialog {
 public:
  // `text` may hold line breaks; each starts a centred line.
  LevelSummaryDialog(const DrawingKit& kit, const QString& text, QWidget* parent);

  const ScreenBox& messageBox() const { return message_; }

 private:
  ScreenBox background_, message_;
};

}  // namespace vorpex
