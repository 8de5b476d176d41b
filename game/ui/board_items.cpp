#include "board_items.h"

#include "hints.h"
#include "spoken_texts.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
QString text(int number) { return fromAnsi(loadText(number)).trimmed(); }

DrawnItem button(int id, const QString& name, const ScreenBox& box, bool enabled, const DrawnItems& items) {
  DrawnItem item = buttonItem(id, name, box.rect(), items.clickOn(box.rect()));
  item.enabled = enabled;
  return item;
}

// A word's id: its length and its place among the puzzle's words of that
// length, which no found word or list position changes.
int wordId(const GameState& state, const std::string& word) {
  const size_t length = word.size();
  if (length < state.wordsBySize.size()) {
    const SizeList& list = state.wordsBySize[length];
    for (int32_t i = 1; i <= list.count && static_cast<size_t>(i) <= list.words.size(); ++i)
      if (list.words(static_cast<size_t>(i)) == word) return kWordItem + static_cast<int>(length) * 1000 + i;
  }
  return kWordItem;  // not a word of the puzzle: never the case for a listed one
}
}  // namespace

std::vector<DrawnItem> describeBoard(const BoardBoxes& boxes, const GameState& state, GameSession& session,
                                     const BoardPainter& painter, const DrawnItems& items) {
  std::vector<DrawnItem> all;
  if (!painter.laidOut()) return all;
  const bool inPlay = session.acceptsTyping();  // in play, neither paused nor in the results

  for (int t = 1; t <= state.rackLength && t <= kMaxRackLength; ++t) {
    const auto tile = static_cast<size_t>(t);
    DrawnItem item = button(kTileItem + t, QString::fromStdString(tileName(state, t)), boxes.tiles(tile), inPlay, items);
    item.role = QAccessible::CheckBox;
    item.checkable = true;
    item.checked = tile <= state.tileUsed.size() && state.tileUsed(tile) != 0;
    all.push_back(item);
  }
  all.push_back(textItem(kAnswerSlotsItem, QAccessible::StaticText, QString::fromStdString(answerSlotsName(state)),
                         boxes.answerSlots.rect(), true));
  if (!state.showingResults) {
    const ScreenBox& enter = boxes.panel(kEnterCommand);
    const ScreenBox& clear = boxes.panel(kClearCommand);
    all.push_back(button(kClearCommand, text(kPanelCaptionText + int{kClearCommand}), clear,
                         inPlay && clear.state > 0 && session.canClear(), items));
    all.push_back(button(kEnterCommand, text(kPanelCaptionText + int{kEnterCommand}), enter,
                         inPlay && enter.state > 0 && session.canEnter(), items));
  }
  if (session.advanceOffered()) {
    all.push_back(button(kProgressItem, translatedText(painter.advanceCaption()), boxes.progress, true, items));
  } else if (!state.showingResults) {
    all.push_back(textItem(kProgressItem, QAccessible::ProgressBar, QString::fromStdString(progressName(state)),
                           boxes.progress.rect(), true));
  }
  if (!painter.messageShown().isEmpty())
    all.push_back(textItem(kMessageItem, QAccessible::StaticText, painter.messageShown(), boxes.messageLine.rect(), true));
  if (!painter.meaningShown().isEmpty())
    all.push_back(textItem(kMeaningItem, QAccessible::StaticText, painter.meaningShown(), boxes.meaningLine.rect(), true));
  if (const QString offer = painter.ownWordOfferCaption(); !offer.isEmpty()) {
    DrawnItem item = button(kOwnWordOfferItem, offer, boxes.ownWordOffer, true, items);
    item.description = QString::fromStdString(state.ownWordOffer.word + " (F3)");
    all.push_back(item);
  }
  if (const QString extra = painter.extraButtonCaption(); !extra.isEmpty()) {
    const bool share = boardExtra(state) == BoardExtra::share;
    DrawnItem item =
        button(share ? kShareItem : kHintItem, extra, boxes.extraButton, share || session.hintOffered(), items);
    item.description = share ? QStringLiteral("F4") : QStringLiteral("?");
    all.push_back(item);
  }
  if (!state.bonusWords.empty() || !state.hintedWords.empty())
    all.push_back(textItem(kBonusWordsItem, QAccessible::StaticText, QString::fromStdString(bonusWordsName(state)),
                           boxes.bonusLine.rect(), true));

  for (const int value : {kScoreValue, kBestScoreValue, kTimeValue, kLevelValue}) {
    const ScreenBox& label = boxes.panel(static_cast<size_t>(value - 1));
    const ScreenBox& shown = boxes.panel(static_cast<size_t>(value));
    // Status, not labels: a reader entering the board reads a panel's
    // labels aloud, and would read some read-outs and not others; its
    // status command reads these.
    DrawnItem item = textItem(value, QAccessible::StatusBar,
                              text(kPanelCaptionText + value - 1) + ": " + painter.readOutValue(value),
                              label.rect().united(shown.rect()), true);
    item.value = painter.readOutValue(value);
    item.ticking = value == kTimeValue;
    all.push_back(item);
  }
  for (int b = kHallOfFameCommand; b <= kSaveAndExitCommand; ++b) {
    const ScreenBox& box = boxes.panel(static_cast<size_t>(b));
    // A command the results view switched off is erased, not shown greyed.
    if (box.state > 0) all.push_back(button(b, text(kPanelCaptionText + b), box, true, items));
  }

  const bool canScroll = session.listCount() > kVisibleListRows;
  all.push_back(button(kUpArrowItem, translatedText("Scroll the list up"), boxes.upArrow, canScroll, items));
  all.push_back(button(kDownArrowItem, translatedText("Scroll the list down"), boxes.downArrow, canScroll, items));
  if (state.showingResults) all.push_back(button(kBackItem, text(kBackToMenuText), boxes.backButton, true, items));

  // Every word of the list, shown or scrolled out of sight, to be read;
  // the focus coming to one out of sight brings it into view.
  const bool results = state.listMode == LIST_ALL;
  const OneBased<std::string>& words = results ? state.allWords : state.foundWords;
  const int32_t count = results ? state.totalWords : state.nWordsFound;
  for (int32_t i = 1; i <= count && static_cast<size_t>(i) <= words.size(); ++i) {
    const std::string& word = words(static_cast<size_t>(i));
    const QRect rowBox = listRowBox(boxes, i - state.listTop);
    DrawnItem item = textItem(wordId(state, word), QAccessible::ListItem,
                              QString::fromStdString(results ? resultsWordName(state, word) : word), rowBox, true);
    item.reveal = [&session, i] { session.revealListPosition(i); };
    // In the results a word is chosen as its row is clicked: the offer to
    // put it away appears (and its meanings, with "Show meanings" on).
    if (results && !rowBox.isEmpty()) item.choose = items.clickOn(rowBox);
    all.push_back(item);
  }
  return all;
}

}  // namespace vorpex
