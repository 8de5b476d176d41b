// Draws the game board: the side panel with its read-outs and commands,
// the rack, the answer slots, the word list and its arrows, the statistics
// panel, the progress area, the message and meaning lines and the results'
// controls, each in the font size its kind of text takes. It draws what the
// game state holds; when to draw is the rules' (through WindowView) and the
// pointer's (PointerTracking). Drawing changes the board surface only;
// refresh() shows what changed.
#pragma once

#include <QString>
#include <string>

#include "board_layout.h"
#include "drawing_kit.h"
#include "game_state.h"
#include "game_view.h"
#include "surface.h"
#include "text_resources.h"

namespace vorpex {

class BoardPainter {
 public:
  BoardPainter(Surface& board, BoardBoxes& boxes, const GameState& state, const DrawingKit& kit);

  // Lays the boxes out for the state's board width.
  void layOut();
  // Whether a board has been laid out yet (before the first level, none).
  bool laidOut() const { return boxes_.progress.surface != nullptr; }

  // The board of a level as it starts or resumes: light background, side
  // panel with its read-outs and commands, rack, answer slots, arrows, word
  // list, statistics panel and progress area.
  void drawBoard();
  // The board as it last stood, results included: after a new scale or palette.
  void redraw();
  void drawSidePanel();
  // The read-out value `button` (kScoreValue .. kLevelValue) showing `value`.
  void drawReadOut(int button, const QString& value);
  // The four read-outs: score, best score, time (or "0" in Classic Arcade), level.
  void drawReadOuts();
  void drawTile(int tile);
  void drawRack();
  void drawAnswerSlots();
  void drawWordInSlots(const std::string& word);
  // The list shown (found words, or every word in the results view) from
  // row listTop, row `selected` (0 for none) framed.
  void drawWordList(int32_t selected = 0);
  // The progress bar, or once the target is reached the advance button
  // with `caption`.
  void drawProgressArea(const char* caption = kAdvanceCaption);
  // The statistics panel in the view its header's state holds; refreshes.
  void drawFoundStats();
  void showMessage(MessageId message, const QString& points = QString());
  // The meaning line with `text` trimmed to its width ("" clears it).
  void drawMeaningLine(const QString& text);
  // The bonus line: "Bonus words: TARN, OPS", cut to fit; empty while none
  // is found.
  void drawBonusWords();
  // The offer beside the message line (state's ownWordOffer), lit while the
  // pointer is over it, or its place cleared when nothing is offered.
  void drawOwnWordOffer(bool hot = false);
  // The offer's caption: "Accept this word", "Never show this word", or "".
  QString ownWordOfferCaption() const;
  // The button right of "Enter", lit while the pointer is over it: "Hint"
  // in play while hints are offered, "Share" in the results of a puzzle of
  // the day; its place cleared otherwise.
  void drawExtraButton(bool hot = false);
  // Its caption now: "Hint", "Share" or "".
  QString extraButtonCaption() const;
  // The results view: the five play commands switched off and erased, the
  // back button drawn.
  void showResultsControls();

  // The lit or resting look of the buttons the pointer lights.
  void drawPanelButton(int button, bool hot);
  void drawBackButton(bool hot);
  void drawAdvanceButton(bool hot);
  void drawArrow(bool up, bool hot);

  void refresh() { board_.refresh(); }

  // What the board shows now, for the keyboard and screen readers: the
  // value of read-out `button` (kScoreValue .. kLevelValue), the message
  // line's text, and the advance button's caption as last drawn.
  QString readOutValue(int button) const;
  const QString& messageShown() const { return message_; }
  // The meaning line's whole text (the line may show it cut).
  const QString& meaningShown() const { return meaning_; }
  // The English caption (its key in translations.h) the advance button shows.
  const char* advanceCaption() const { return advanceCaption_; }

 private:
  Surface& board_;
  BoardBoxes& boxes_;
  const GameState& state_;
  const DrawingKit& kit_;
  QString message_;
  QString meaning_;
  const char* advanceCaption_ = kAdvanceCaption;
};

}  // namespace vorpex
