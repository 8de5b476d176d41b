#include "menu_items.h"

#include <QStringList>
#include <array>

#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
QString caption(int b) { return fromAnsi(loadText(kMenuCaptionText + b)).trimmed(); }

const std::array<QChar, kMenuButtons + 1>& mnemonics() {
  static const std::array<QChar, kMenuButtons + 1> letters = [] {
    std::array<QChar, kMenuButtons + 1> taken{};
    for (int b = 1; b <= kMenuButtons; ++b) {
      for (const QString& word : caption(b).split(' ', Qt::SkipEmptyParts)) {
        const QChar letter = word.at(0).toUpper();
        if (!letter.isLetter() || std::find(taken.begin(), taken.end(), letter) != taken.end()) continue;
        taken[static_cast<size_t>(b)] = letter;
        break;
      }
    }
    return taken;
  }();
  return letters;
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
