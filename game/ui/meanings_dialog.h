// The senses of one word, in a small window drawn with the drawing kit:
// the word (and the form it comes from, when that differs), then each sense
// on lines of its own. Closes on its OK button, a click elsewhere in it,
// Enter or Esc.
#pragma once

#include <QString>
#include <QStringList>

#include "drawing_kit.h"
#include "drawn_dialog.h"

namespace vorpex {

class MeaningsDialog : public OkButtonDialog {
 public:
  // `heading` names the word; `senses` are the lines to show, one a sense.
  // The window is as tall as they need, but never taller than the screen
  // shows whole (the OK button stays in reach); senses that do not fit are
  // left out, marked "…".
  MeaningsDialog(const DrawingKit& kit, const QString& heading, const QStringList& senses, QWidget* parent);

 protected:
  // A click anywhere closes it: it is read, not answered.
  void pointerPressed(int, double, double) override { accept(); }
};

}  // namespace vorpex
