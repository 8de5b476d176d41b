#include "menu_items.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

#include "text_codec.h"
#include "text_resources.h"
#include "translations.h"

namespace vorpex {

namespace {
QString caption(int b) { return fromAnsi(loadText(kMenuCaptionText + b)).trimmed(); }

using Mnemonics = std::array<QChar, kMenuButtons + 1>;

// Each button's Alt letter in the text language: the first letter of one of
// its caption's words that no button above has taken, else any letter of
// its caption not taken, so every button keeps one in every language. Only
// A to Z: a key every keyboard has.
Mnemonics mnemonicsOfCaptions() {
  Mnemonics taken{};
  const auto isFree = [&taken](QChar letter) {
    return letter >= QChar('A') && letter <= QChar('Z') && std::find(taken.begin(), taken.end(), letter) == taken.end();
  };
  for (int b = 1; b <= kMenuButtons; ++b) {
    QChar& mine = taken[static_cast<size_t>(b)];
    for (const QString& word : caption(b).split(' ', Qt::SkipEmptyParts)) {
      if (isFree(word.at(0).toUpper())) {
        mine = word.at(0).toUpper();
        break;
      }
    }
    for (const QChar c : caption(b)) {
      if (!mine.isNull()) break;
      if (isFree(c.toUpper())) mine = c.toUpper();
    }
  }
  return taken;
}

const Mnemonics& mnemonics() {
  static std::array<std::optional<Mnemonics>, kLanguageCount> byLanguage;
  std::optional<Mnemonics>& letters = byLanguage[static_cast<size_t>(textLanguage())];
  if (!letters) letters = mnemonicsOfCaptions();
  return *letters;
}
}  // namespace

std::vector<DrawnItem> describeMenu(const MenuBoxes& boxes, const DrawnItems& items) {
  std::vector<DrawnItem> all;
  for (int b = 1; b <= kMenuButtons; ++b) {
    const ScreenBox& box = boxes.buttons(static_cast<size_t>(b));
    if (!box.surface) return {};
    DrawnItem item = buttonItem(b, caption(b), box.rect(), items.clickOn(box.rect()));
    item.description = QStringLiteral("Alt+") + menuMnemonic(b);
    all.push_back(item);
  }
  return all;
}

QChar menuMnemonic(int b) { return b >= 1 && b <= kMenuButtons ? mnemonics()[static_cast<size_t>(b)] : QChar(); }

int menuButtonForMnemonic(QChar letter) {
  for (int b = 1; b <= kMenuButtons; ++b)
    if (!letter.isNull() && mnemonics()[static_cast<size_t>(b)] == letter.toUpper()) return b;
  return 0;
}

}  // namespace vorpex
