// Qt's own texts (the OK of a message box, the edit fields' menu) in the
// game's text language. Qt would need its own translation files for that,
// shipped beside the program on every system; the game's table already
// holds these few texts in every language it has.
#pragma once

#include <QTranslator>

namespace vorpex {

// A translator for Qt's widgets: a text of a known Qt class comes in the
// text language at the moment Qt asks (a box or menu made after a change of
// language shows the new one); any other text, and every text in English,
// is left to Qt. Install it once on the application.
class QtOwnTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
  bool isEmpty() const override { return false; }
};

}  // namespace vorpex
