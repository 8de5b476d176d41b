// The game's own yes/no question, drawn with the drawing kit in
// the board's look. After exec() returns, answer() is 1 for "Yes" (or Enter),
// 2 for "No thanks" (or Esc), and -1 when the window was closed any other way.
#pragma once

#include "drawing_kit.h"
#include "drawn_dialog.h"

namespace vorpex {

class QuestionDialog : public DrawnDialog {
 public:
  QuestionDialog(const DrawingKit& kit, QWidget* parent);

  int answer() const { return answer_; }
  // (1) "Yes", (2) "No thanks".
  const ScreenBox& button(int b) const { return buttons_(static_cast<size_t>(b)); }

 protected:
  void pointerMoved(double x, double y) override;
  void pointerPressed(int button, double x, double y) override;
  void characterTyped(int code) override;

 private:
  void answerWith(int answer);

  const DrawingKit& kit_;
  int answer_ = -1;
  ScreenBox background_, text_;
  OneBased<ScreenBox> buttons_{2};
};

}  // namespace vorpex
