#include "qt_own_texts.h"

#include <cstring>

#include "text_codec.h"
#include "translations.h"

namespace vorpex {

namespace {
struct QtText {
  const char* context;  // the Qt class that asks
  const char* source;   // Qt's text, its & marking the Alt letter
  const char* key;      // the game's text for it: Qt's, or one told apart
};

// TRANSLATORS: the item of an edit field's menu that deletes the selected
// text: say only "Delete" (the button "Delete" of a question says "delete
// it").
constexpr const char* kDeleteSelection = N_("Delete (in an edit menu)");

// The texts of the widgets the game shows: message boxes' buttons, and the
// menu of the name field and of the instructions' text.
constexpr QtText kQtTexts[] = {
    {"QPlatformTheme", "OK", N_("OK")},
    {"QPlatformTheme", "Close", N_("Close")},
    {"QLineEdit", "&Undo", N_("&Undo")},
    {"QLineEdit", "&Redo", N_("&Redo")},
    {"QLineEdit", "Cu&t", N_("Cu&t")},
    {"QLineEdit", "&Copy", N_("&Copy")},
    {"QLineEdit", "&Paste", N_("&Paste")},
    {"QLineEdit", "Delete", kDeleteSelection},
    {"QLineEdit", "Select All", N_("Select All")},
    {"QWidgetTextControl", "&Undo", N_("&Undo")},
    {"QWidgetTextControl", "&Redo", N_("&Redo")},
    {"QWidgetTextControl", "Cu&t", N_("Cu&t")},
    {"QWidgetTextControl", "&Copy", N_("&Copy")},
    {"QWidgetTextControl", "Copy &Link Location", N_("Copy &Link Location")},
    {"QWidgetTextControl", "&Paste", N_("&Paste")},
    {"QWidgetTextControl", "Delete", kDeleteSelection},
    {"QWidgetTextControl", "Select All", N_("Select All")},
};
}  // namespace

QString QtOwnTexts::translate(const char* context, const char* sourceText, const char* disambiguation, int n) const {
  (void)disambiguation;
  (void)n;
  if (!context || !sourceText || textLanguage() == Language::english) return {};
  for (const QtText& text : kQtTexts) {
    if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
      return translatedText(text.key);
  }
  return {};
}

}  // namespace vorpex
