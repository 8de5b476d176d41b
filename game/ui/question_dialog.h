// The game's own yes/no question, drawn with the drawing kit in
// the board's look. After exec() returns, answer() is 1 for "Yes" (or Enter),
// 2 for "No thanks" (or Esc), and -1 when the window was closed any other way.
#pragma once

#include "drawing_kit.h"
#include "drawn_dialog.h"
#include "text_resources.h"

#include <string>

namespace vorpex {

class QuestionDialog : public DrawnDialog {
 public:
  // The saved game's question, or another of the text table's whose two
  // answers follow it (`textId` + 1 and + 2), its "|1" filled by `detail`.
  QuestionDialog(const DrawingKit& kit, QWidget* parent, int textId = kResumeQuestionText,
                 const std::string& detail = {});

  int answer() const { return answer_; }
  // (1) "Yes", (2) "No thanks".
  const ScreenBox& button(int b) const { return buttons_(static_cast<size_t>(b)); }

 protected:
  void pointerMoved(double x, double y) override;
  void pointerPressed(int button, double x, double y) override;
  void characterTyped(int code) override;

 private:
  void answerWith(int answer);
  QString caption(int b) const;

  const DrawingKit& kit_;
  int textId_;
  QString question_;
  int answer_ = -1;
  ScreenBox background_, text_;
  OneBased<ScreenBox> buttons_{2};
};

}  // namespace vorpex
