#include "statistics_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "question_dialog.h"
#include "surface.h"
#include "text_codec.h"
#include "text_resources.h"
#include "translations.h"

namespace vorpex {

namespace {
QString number(int64_t n) { return QString::number(n); }

QString kindName(GameKind kind) {
  switch (kind) {
    case GameKind::classic:
      return fromAnsi(loadText(kModeNameText + MODE_CLASSIC));
    case GameKind::timed:
      return fromAnsi(loadText(kModeNameText + MODE_TIMED));
    case GameKind::daily:
      break;
  }
  return translatedText("Puzzle of the day");
}

// `english` in the text language with "|1".. filled by `values`.
QString filled(const char* english, std::initializer_list<QString> values) {
  std::vector<std::string> utf8;
  for (const QString& value : values) utf8.push_back(value.toStdString());
  return QString::fromStdString(translatedMessage(english, std::vector<std::string_view>(utf8.begin(), utf8.end())));
}
}  // namespace

StatisticsWindow::StatisticsWindow(const HistoryRead& history, const DailyRecord& daily, int32_t today,
                                   const DrawingKit& kit, QWidget* parent)
    : QDialog(parent), kit_(kit), zoom_(windowZoom(parent)), today_(today), daily_(daily) {
  setWindowTitle(translatedText("Statistics - Arcade Vorpex"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  if (parent) setWindowIcon(parent->windowIcon());
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kit_.colour(Ink::light));
  colours.setColor(QPalette::WindowText, kit_.colour(Ink::black));
  setPalette(colours);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  build(history, daily, today);
}

void StatisticsWindow::build(const HistoryRead& history, const DailyRecord& daily, int32_t today) {
  auto* outer = static_cast<QVBoxLayout*>(layout());
  while (QLayoutItem* item = outer->takeAt(0)) {
    if (item->widget()) item->widget()->deleteLater();
    delete item;
  }
  lines_.clear();
  const QFont font = zoomedFont(QStringLiteral("Arial"), 10, false, zoom_);
  const QFont bold = zoomedFont(QStringLiteral("Arial"), 10, true, zoom_);
  const Statistics& s = history.statistics;

  auto* table = new QWidget(this);
  auto* grid = new QGridLayout(table);
  grid->setHorizontalSpacing(zoomed(18, zoom_));
  const QString heads[] = {QString(), translatedText("Played"), translatedText("Won"), translatedText("Best"),
                           translatedText("Average")};
  for (int c = 0; c < 5; ++c) {
    auto* head = new QLabel(heads[c], table);
    head->setFont(bold);
    grid->addWidget(head, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
  }
  int row = 1;
  for (const GameKind kind : {GameKind::classic, GameKind::timed, GameKind::daily}) {
    const KindFigures& f = s.of(kind);
    const QString cells[] = {kindName(kind), number(f.played), number(f.won), number(f.best), number(f.average())};
    for (int c = 0; c < 5; ++c) {
      auto* cell = new QLabel(cells[c], table);
      cell->setFont(c == 0 ? bold : font);
      grid->addWidget(cell, row, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    // A reader meets the row as one sentence.
    const QString line =
        filled(N_("|1: |2 played, |3 won, best |4, average |5"), {cells[0], cells[1], cells[2], cells[3], cells[4]});
    lines_ << line;
    ++row;
  }
  table->setAccessibleName(translatedText("Games by kind"));
  table->setAccessibleDescription(lines_.join(QStringLiteral(". ")));
  outer->addWidget(table);

  const auto addLine = [&](const QString& text) {
    auto* label = new QLabel(text, this);
    label->setFont(font);
    label->setWordWrap(true);
    outer->addWidget(label);
    lines_ << text;
  };
  addLine(filled(N_("Games by the level reached: 1: |1, 2: |2, 3: |3, 4: |4"),
                 {number(s.levelsReached[1]), number(s.levelsReached[2]), number(s.levelsReached[3]),
                  number(s.levelsReached[4])}));
  addLine(filled(N_("Longest word found: |1"),
                 {s.longest.empty() ? translatedText("none") : QString::fromStdString(s.longest)}));
  addLine(
      filled(N_("Days in a row: |1 now, |2 at best"), {number(currentStreak(daily, today)), number(daily.bestStreak)}));
  if (s.games() == 0) addLine(translatedText("No game has been finished yet."));
  if (history.damagedLines == 1) addLine(translatedText("1 damaged line of the history was skipped."));
  if (history.damagedLines > 1)
    addLine(filled(N_("|1 damaged lines of the history were skipped."), {number(history.damagedLines)}));
  if (history.result == ReadResult::failed || history.result == ReadResult::tooLarge)
    addLine(translatedText("The history cannot be read; it is left as it is."));

  QStringList games;
  for (size_t i = 0; i < s.recentScores.size(); ++i) games << number(static_cast<int64_t>(i) + 1);
  scores_ =
      new BarChart(filled(N_("Scores of the last |1 games"), {number(kChartedGames)}), games,
                   std::vector<int64_t>(s.recentScores.begin(), s.recentScores.end()), kit_.palette(), zoom_, this);
  QStringList lengths;
  std::vector<int64_t> found;
  for (int length = kShortestWord; length <= kMaxRackLength; ++length) {
    lengths << number(length);
    found.push_back(s.foundByLength[static_cast<size_t>(length)]);
  }
  lengths_ = new BarChart(translatedText("Words found by length"), lengths, found, kit_.palette(), zoom_, this);
  outer->addWidget(scores_);
  outer->addWidget(lengths_);
  lines_ << scores_->spokenText() << lengths_->spokenText();

  auto* buttons = new QWidget(this);
  auto* row2 = new QHBoxLayout(buttons);
  clear_ = new QPushButton(translatedText("Clear Statistics"), buttons);
  auto* ok = new QPushButton(fromAnsi(loadText(91)), buttons);
  for (QPushButton* button : {clear_, ok}) button->setFont(bold);
  clear_->setEnabled(s.games() > 0 || daily.bestStreak > 0);
  ok->setDefault(true);
  row2->addWidget(clear_);
  row2->addStretch();
  row2->addWidget(ok);
  outer->addWidget(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(clear_, &QPushButton::clicked, this, [this] { clearAsked(); });
  ok->setFocus();
}

void StatisticsWindow::clearAsked() {
  QuestionDialog question(kit_, this, kClearStatisticsQuestionText);
  question.exec();
  if (question.answer() != 1 || !onClear || !onClear()) return;
  daily_.streak = daily_.bestStreak = 0;
  build(HistoryRead{}, daily_, today_);
}

QStringList StatisticsWindow::figureLines() const { return lines_; }

}  // namespace vorpex
