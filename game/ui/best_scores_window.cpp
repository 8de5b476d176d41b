#include "best_scores_window.h"

#include "key_codes.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kWidth = 466;
constexpr int kHeight = 454;
constexpr int u = kUnitSize;
QString text(int number) { return fromAnsi(loadText(number)); }

// The window's title; another language's Hall of Fame says whose it is, as
// the same texts may show an English one (a game of Classic words).
QString titleOf(Language language) {
  const QString title = translatedText("Best Scores - Arcade Vorpex");
  if (language == Language::english) return title;
  return title + " (" + QString::fromUtf8(factsOf(language).nativeName) + ")";
}
}  // namespace

BestScoresWindow::BestScoresWindow(GameState& state, Language language, int16_t tableIndex, const DrawingKit& kit,
                                   QWidget* parent)
    : DrawnDialog(kWidth, kHeight, titleOf(language), parent),
      state_(state),
      language_(language),
      tableIndex_(tableIndex == MODE_TIMED ? MODE_TIMED : MODE_CLASSIC),
      kit_(kit) {
  Surface& s = surface();
  s.setFont("Times New Roman", 14.25, true);
  const int w = s.width(), h = s.height();
  background_ = {&s, 0, 0, w, h, false, Ink::light, Ink::none, Ink::black, 0};
  title_ = {&s, w / 2 - 2 * u, u / 2, 4 * u, 30, false, Ink::light, Ink::none, Ink::black, 0};
  for (int r = 1; r <= kScoreRows; ++r) {
    names_(static_cast<size_t>(r)) = {&s, u, r * u, 6 * u, u, false, Ink::light, Ink::none, Ink::onLight, 0};
    scores_(static_cast<size_t>(r)) = {&s, 8 * u, r * u, 2 * u, u, false, Ink::light, Ink::none, Ink::onLight, 0};
  }
  for (int i = 1; i <= 2; ++i)
    buttons_(static_cast<size_t>(i)) = {&s, (4 * i - 2) * u, 9 * u, 3 * u, 30, false, Ink::dark, Ink::frame,
                                        Ink::caption, 0};
  drawTable();
  describeWith(
      kit_,
      [this] {
        std::vector<DrawnItem> all{textItem(0, QAccessible::StaticText, text(kModeNameText + tableIndex_), title_.rect(), false)};
        const ScoreTable& table = state_.bestScores[language_][static_cast<size_t>(tableIndex_)];
        for (int r = 1; r <= kScoreRows; ++r) {
          const auto row = static_cast<size_t>(r);
          // Lines, not list items: a screen reader reads them all as the window opens.
          all.push_back(textItem(10 + r, QAccessible::StaticText,
                                 QString("%1. %2, %3").arg(r).arg(fromAnsi(table.names(row))).arg(table.scores(row)),
                                 names_(row).rect().united(scores_(row).rect()), true));
        }
        for (int i = 1; i <= 2; ++i) {
          const QRect box = buttons_(static_cast<size_t>(i)).rect();
          all.push_back(buttonItem(i, text(kDialogButtonText + i), box, surfaceWidget().items().clickOn(box)));
        }
        return all;
      },
      1);
}

void BestScoresWindow::drawTable() {
  kit_.fillBox(background_);
  kit_.drawButton(title_, FrameStyle::none, false, Shadow::tight, text(kModeNameText + tableIndex_));
  const ScoreTable& table = state_.bestScores[language_][static_cast<size_t>(tableIndex_)];
  for (int r = 1; r <= kScoreRows; ++r) {
    const auto row = static_cast<size_t>(r);
    kit_.drawShadowText(names_(row), 1, fromAnsi(table.names(row)), kTextMiddle);
    kit_.drawShadowText(scores_(row), 1, QString::number(table.scores(row)), kTextMiddle);
  }
  kit_.drawButton(buttons_(1), FrameStyle::none, false, Shadow::resting, text(kDialogButtonText + 1));
  kit_.drawButton(buttons_(2), FrameStyle::none, false, Shadow::resting, text(kDialogButtonText + 2));
  surface().refresh();
}

void BestScoresWindow::clearScores() {
  ScoreTable& table = state_.bestScores[language_][static_cast<size_t>(tableIndex_)];
  for (int r = 1; r <= kScoreRows; ++r) {
    table.names(static_cast<size_t>(r)) = "Anonoymous";
    table.scores(static_cast<size_t>(r)) = 0;
  }
  drawTable();
}

void BestScoresWindow::pointerMoved(double x, double y) {
  for (int i = 1; i <= 2; ++i) {
    ScreenBox& box = buttons_(static_cast<size_t>(i));
    const bool inside = isInBox(box, static_cast<float>(x), static_cast<float>(y));
    if (inside == box.isHot) continue;
    if (inside) {
      kit_.drawButton(box, FrameStyle::single, true, Shadow::litFar, text(kDialogButtonText + i));
    } else {
      kit_.drawButton(box, FrameStyle::none, false, Shadow::lit, text(kDialogButtonText + i));
    }
    box.isHot = inside;
    surface().refresh();
  }
}

void BestScoresWindow::pointerPressed(int, double x, double y) {
  if (isInBox(buttons_(1), static_cast<float>(x), static_cast<float>(y))) {
    accept();
  } else if (isInBox(buttons_(2), static_cast<float>(x), static_cast<float>(y))) {
    clearScores();
  }
}

void BestScoresWindow::characterTyped(int code) {
  if (code == KEY_ENTER || code == KEY_ESCAPE) accept();
}

}  // namespace vorpex
