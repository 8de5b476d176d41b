#include "board_painter.h"

#include <QFontMetrics>

#include "found_words.h"
#include "hints.h"
#include "spoken_texts.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
QString text(int number) { return fromAnsi(loadText(number)); }

// The board's font sizes for its kinds of text.
constexpr double kPanelPoints = 12;
constexpr double kTilePoints = 14;
constexpr double kListPoints = 10;

// Sets the surface's font size for the life of the object, then restores it.
class FontSize {
 public:
  FontSize(Surface& surface, double points) : surface_(surface), old_(surface.fontSize()) {
    surface_.setFontSize(points);
  }
  ~FontSize() { surface_.setFontSize(old_); }

 private:
  Surface& surface_;
  double old_;
};

// The lines on the light board are written plain, not bold, for the life
// of the object.
class PlainText {
 public:
  explicit PlainText(Surface& surface) : surface_(surface) { surface_.font().setBold(false); }
  ~PlainText() { surface_.font().setBold(true); }

 private:
  Surface& surface_;
};
}  // namespace

BoardPainter::BoardPainter(Surface& board, BoardBoxes& boxes, const GameState& state, const DrawingKit& kit)
    : board_(board), boxes_(boxes), state_(state), kit_(kit) {}

void BoardPainter::layOut() {
  layOutPlayArea(boxes_, state_.boardWidth, board_);
  layOutSidePanel(boxes_, state_.boardWidth, board_);
}

void BoardPainter::drawPanelButton(int button, bool hot) {
  ScreenBox& box = boxes_.panel(static_cast<size_t>(button));
  FontSize size(board_, kPanelPoints);
  if (hot) {
    kit_.drawButton(box, FrameStyle::single, true, Shadow::lit, text(kPanelCaptionText + button));
  } else {
    kit_.drawButton(box, FrameStyle::none, false, Shadow::resting, text(kPanelCaptionText + button));
  }
}

void BoardPainter::drawReadOut(int button, const QString& value) {
  FontSize size(board_, kPanelPoints);
  kit_.drawButton(boxes_.panel(static_cast<size_t>(button)), FrameStyle::none, false, Shadow::resting, value);
}

void BoardPainter::drawSidePanel() {
  kit_.fillBox(boxes_.sidePanelBackground);
  for (int b = kFirstPanelButton; b <= kLastPanelButton; ++b) {
    if (boxes_.panel(static_cast<size_t>(b)).state <= 0) continue;
    drawPanelButton(b, boxes_.panel(static_cast<size_t>(b)).isHot && b >= kFirstPanelCommand);
  }
  drawReadOuts();
}

QString BoardPainter::readOutValue(int button) const {
  switch (button) {
    case kScoreValue: return QString::number(state_.score);
    case kBestScoreValue: return fromAnsi(state_.bestScoreText);
    case kTimeValue: return state_.solvingData.gameMode == MODE_TIMED ? fromAnsi(state_.timeText) : text(kNoTimeText);
    case kLevelValue: return QString::number(state_.solvingData.curLevel);
    default: return {};
  }
}

void BoardPainter::drawReadOuts() {
  for (const int button : {kScoreValue, kBestScoreValue, kTimeValue, kLevelValue})
    drawReadOut(button, readOutValue(button));
}

void BoardPainter::drawTile(int tile) {
  if (tile < 1 || tile > state_.rackLength) return;
  const auto t = static_cast<size_t>(tile);
  FontSize size(board_, kTilePoints);
  kit_.drawLetterTile(boxes_.tiles(t), static_cast<char>(state_.rack(t)), state_.tileUsed(t) == 0);
}

void BoardPainter::drawRack() {
  FontSize size(board_, kTilePoints);
  kit_.drawRack(boxes_.tiles, state_);
}

void BoardPainter::drawAnswerSlots() {
  FontSize size(board_, kTilePoints);
  kit_.drawAnswerSlots(boxes_.answerSlots, state_);
}

void BoardPainter::drawWordInSlots(const std::string& word) {
  FontSize size(board_, kTilePoints);
  kit_.drawWordInSlots(boxes_.answerSlots, word, state_);
}

void BoardPainter::drawWordList(int32_t selected) {
  FontSize size(board_, kListPoints);
  const bool all = state_.listMode == LIST_ALL;
  kit_.drawWordList(boxes_.wordList, all ? state_.allWords : state_.foundWords,
                    all ? state_.totalWords : state_.nWordsFound, state_.listTop, selected, state_);
}

void BoardPainter::drawAdvanceButton(bool hot) {
  FontSize size(board_, kTilePoints);
  if (hot) {
    kit_.drawButton(boxes_.progress, FrameStyle::single, false, Shadow::resting, translatedText(kAdvanceCaption));
  } else {
    kit_.drawButton(boxes_.progress, FrameStyle::doubled, false, Shadow::tight, translatedText(kAdvanceCaption));
  }
  advanceCaption_ = kAdvanceCaption;
}

void BoardPainter::drawProgressArea(const char* caption) {
  advanceCaption_ = caption;
  ScreenBox& box = boxes_.progress;
  kit_.fillBox(box);
  if (state_.curLevelScore >= state_.targetScore) {
    FontSize size(board_, kTilePoints);
    if (box.isHot) {
      kit_.drawButton(box, FrameStyle::single, false, Shadow::resting, translatedText(caption));
    } else {
      kit_.drawButton(box, FrameStyle::doubled, false, Shadow::tight, translatedText(caption));
    }
    return;
  }
  const double percent = state_.targetScore > 0 ? state_.curLevelScore * 100.0 / state_.targetScore : 0.0;
  kit_.drawProgressBar(box, percent);
}

void BoardPainter::drawFoundStats() {
  FontSize size(board_, kPanelPoints);
  ScreenBox& header = boxes_.stats(1);
  const bool expanded = header.state == 1;
  for (int r = 2; r <= state_.boardWidth - 1; ++r) {
    ScreenBox& row = boxes_.stats(static_cast<size_t>(r));
    const int length = r + 1;
    row.fill = expanded ? Ink::dark : Ink::light;
    kit_.fillBox(row);
    if (!expanded) continue;
    const int32_t found = countWordsOfLength(state_.foundWords, state_.nWordsFound, length);
    kit_.drawShadowText(row, 1,
                        translatedText(" %1 Letter %2/%3")
                            .arg(length)
                            .arg(found)
                            .arg(state_.wordsBySize[static_cast<size_t>(length)].count),
                        kTextMiddle | kTextOneLine);
  }
  const QString caption = (expanded ? translatedText(" - Found %1 / %2") : translatedText(" + Found %1 / %2"))
                              .arg(state_.nWordsFound)
                              .arg(state_.totalWords);
  kit_.drawButton(header, FrameStyle::single, true, Shadow::tight, caption);
  board_.refresh();
}

void BoardPainter::showMessage(MessageId message, const QString& points) {
  QString line;
  switch (message) {
    case kNoMessage: break;
    case kAlreadyFoundMessage: line = text(kAlreadyFoundText); break;
    case kNotAWordMessage: line = text(kNotAWordText); break;
    case kPointsMessage: line = fromAnsi(formatResString(kPointsText, {"|1", toAnsi(points)})); break;
    case kMissedWordsMessage: line = text(kMissedWordsText); break;
    case kBonusWordMessage: line = fromAnsi(formatResString(kBonusWordText, {"|1", toAnsi(points)})); break;
    case kWordAcceptedMessage: line = fromAnsi(formatResString(kWordAcceptedText, {"|1", toAnsi(points)})); break;
    case kWordNeverShownMessage: line = fromAnsi(formatResString(kWordNeverShownText, {"|1", toAnsi(points)})); break;
    default: return;
  }
  message_ = line;
  const ScreenBox& box = boxes_.messageLine;
  kit_.fillBox(box);
  FontSize size(board_, kListPoints);
  PlainText plain(board_);
  // Dark on the light line: the palette's light values would not read there.
  DrawingKit::drawText(board_, box.rect(), line, kit_.colour(Ink::black), kTextCentredLine);
}

void BoardPainter::drawBonusWords() {
  const ScreenBox& line = boxes_.bonusLine;
  kit_.fillBox(line);
  if (state_.bonusWords.empty() && state_.hintedWords.empty()) return;
  FontSize size(board_, kListPoints);
  PlainText plain(board_);
  const QFontMetrics metrics(board_.font());
  DrawingKit::drawText(board_, line.rect(),
                       metrics.elidedText(fromAnsi(bonusWordsName(state_)), Qt::ElideRight, line.w),
                       kit_.colour(Ink::black), kTextCentredLine);
}

QString BoardPainter::ownWordOfferCaption() const {
  switch (state_.ownWordOffer.action) {
    case OwnWordAction::accept: return text(kAcceptWordText);
    case OwnWordAction::neverShow: return text(kNeverShowWordText);
    case OwnWordAction::none: break;
  }
  return {};
}

void BoardPainter::drawOwnWordOffer(bool hot) {
  ScreenBox& box = boxes_.ownWordOffer;
  box.isHot = hot;
  ScreenBox erased = box;
  erased.fill = Ink::light;
  kit_.fillBox(erased);
  const QString caption = ownWordOfferCaption();
  if (caption.isEmpty()) return;
  // The frame and fill of a button, and its caption plain: at this small
  // size a shadowed caption blurs.
  kit_.drawButton(box, hot ? FrameStyle::doubled : FrameStyle::single, hot, Shadow::tight, QString());
  FontSize size(board_, kListPoints);
  PlainText plain(board_);
  DrawingKit::drawText(board_, box.rect(), caption, kit_.colour(box.text), kTextCentredLine);
}

QString BoardPainter::extraButtonCaption() const {
  switch (boardExtra(state_)) {
    case BoardExtra::hint:
      return translatedText("Hint");
    case BoardExtra::share:
      return translatedText("Share");
    case BoardExtra::none:
      break;
  }
  return {};
}

void BoardPainter::drawExtraButton(bool hot) {
  ScreenBox& box = boxes_.extraButton;
  box.isHot = hot;
  ScreenBox erased = box;
  erased.fill = Ink::light;
  kit_.fillBox(erased);
  const QString caption = extraButtonCaption();
  if (caption.isEmpty()) return;
  FontSize size(board_, kPanelPoints);
  if (hot) {
    kit_.drawButton(box, FrameStyle::single, true, Shadow::lit, caption);
  } else {
    kit_.drawButton(box, FrameStyle::none, false, Shadow::resting, caption);
  }
}

void BoardPainter::drawMeaningLine(const QString& meaning) {
  const ScreenBox& line = boxes_.meaningLine;
  kit_.fillBox(line);
  meaning_ = meaning;
  if (meaning.isEmpty()) return;
  FontSize size(board_, kListPoints);
  PlainText plain(board_);
  const QFontMetrics metrics(board_.font());
  // Dark on the light line, as the message line is written.
  DrawingKit::drawText(board_, line.rect(), metrics.elidedText(meaning, Qt::ElideRight, line.w),
                       kit_.colour(Ink::black), kTextCentredLine);
}

void BoardPainter::drawArrow(bool up, bool hot) {
  kit_.drawSprite(up ? boxes_.upArrow : boxes_.downArrow, up ? Sprite::upArrow : Sprite::downArrow, hot);
}

void BoardPainter::drawBoard() {
  kit_.clearPicture(board_, Ink::light);
  drawSidePanel();
  drawRack();
  drawAnswerSlots();
  drawArrow(true, boxes_.upHot);
  drawArrow(false, boxes_.downHot);
  drawWordList();
  drawFoundStats();
  kit_.fillBox(boxes_.messageLine);
  message_.clear();
  kit_.fillBox(boxes_.meaningLine);
  meaning_.clear();
  drawProgressArea();
  drawBonusWords();
  drawOwnWordOffer();
  drawExtraButton();
  board_.refresh();
}

void BoardPainter::redraw() {
  if (!laidOut()) return;  // no board yet: nothing to draw
  drawBoard();
  if (state_.showingResults) {
    showResultsControls();
    showMessage(kMissedWordsMessage);
  }
  board_.refresh();
}

void BoardPainter::drawBackButton(bool hot) {
  FontSize size(board_, kPanelPoints);
  if (hot) {
    kit_.drawButton(boxes_.backButton, FrameStyle::single, true, Shadow::lit, text(kBackToMenuText));
  } else {
    kit_.drawButton(boxes_.backButton, FrameStyle::none, false, Shadow::resting, text(kBackToMenuText));
  }
}

void BoardPainter::showResultsControls() {
  for (const int b : {kShowSolutionCommand, kOptionsCommand, kSaveAndExitCommand, kEnterCommand, kClearCommand}) {
    ScreenBox& box = boxes_.panel(static_cast<size_t>(b));
    box.state = 0;
    box.isHot = false;
    // Erased to what lies under it: the side panel, or the light board
    // under the answer slots for "Enter" and "Clear".
    ScreenBox erased = box;
    erased.fill = b >= kEnterCommand ? Ink::light : boxes_.sidePanelBackground.fill;
    kit_.fillBox(erased);
  }
  boxes_.backButton.isHot = false;
  drawBackButton(false);
  drawExtraButton();
}

}  // namespace vorpex
