#include "options_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <iterator>

#include "surface.h"
#include "text_codec.h"

namespace vorpex {

namespace {
constexpr int kTwipsPerPixel = 15;

// Places and fonts at the zoom of the window the dialog opens over; places
// are given in twips.
struct Zoomed {
  double zoom;
  QRect twips(int left, int top, int width, int height) const {
    return zoomed(
        QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel), zoom);
  }
  QFont arialBold(double points) const { return zoomedFont("Arial", points, true, zoom); }
};

// `widget` at `place` in its parent, read from the parent's left edge, or
// from its right edge where text runs right to left (-reverse, or a
// language written so): the whole dialog mirrors, its buttons too.
void place(QWidget* widget, const QRect& place) {
  widget->setGeometry(QStyle::visualRect(widget->layoutDirection(), widget->parentWidget()->rect(), place));
}

// The platform's style with its radio and check marks, and their gap to
// the caption, as large as the zoom makes the captions.
class ZoomedMarks : public QProxyStyle {
 public:
  ZoomedMarks(double zoom, QObject* owner) : QProxyStyle(QApplication::style()->name()), zoom_(zoom) {
    setParent(owner);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing: return zoomed(base, zoom_);
      default: return base;
    }
  }

 private:
  double zoom_;
};

// A framed group of radio buttons, numbered from 0 in the group returned; the
// buttons are written into `buttons`.
QButtonGroup* addChoices(QDialog* dialog, const Zoomed& z, QStyle* marks, const QString& title, QRect at,
                         const QStringList& captions, const QRect* places, QRadioButton** buttons) {
  auto* frame = new QGroupBox(title, dialog);
  frame->setFont(z.arialBold(12));
  place(frame, at);
  auto* group = new QButtonGroup(dialog);
  for (int i = 0; i < captions.size(); ++i) {
    buttons[i] = new QRadioButton(captions[i], frame);
    buttons[i]->setFont(z.arialBold(9.75));
    if (marks) buttons[i]->setStyle(marks);
    place(buttons[i], places[i]);
    group->addButton(buttons[i], i);
  }
  return group;
}

// The classic dialog's height; the group of the later settings and the
// buttons sit below the classic frames, the buttons lowered by the group.
constexpr int kClassicHeightTwips = 5400;
constexpr int kLaterGroupTop = 4110;
constexpr int kLaterGroupHeight = 1230;
constexpr int kButtonsLowered = kLaterGroupTop + kLaterGroupHeight + 120 - 4350;

// One of the switches beyond the classic options, set as `on`, in `group`.
QCheckBox* addSwitch(QWidget* group, const Zoomed& z, QStyle* marks, const QString& caption, QRect at,
                     const QString& tip, bool on) {
  auto* box = new QCheckBox(caption, group);
  box->setFont(z.arialBold(9.75));
  if (marks) box->setStyle(marks);
  place(box, at);
  box->setToolTip(tip);
  box->setChecked(on);
  return box;
}
}  // namespace

OptionsDialog::OptionsDialog(GameState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setWindowTitle(translatedText("Set Options"));
  // A dialog of fixed size: a close button, nothing to minimise or maximise.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  const Zoomed z{windowZoom(parent)};  // as large as the window it opens over
  setFixedSize(zoomed(394, z.zoom),
               zoomed((kClassicHeightTwips + kButtonsLowered) / kTwipsPerPixel, z.zoom));
  if (parent) setWindowIcon(parent->windowIcon());
  // At 100 % the platform's own marks, exactly; larger, marks to match.
  QStyle* marks = z.zoom != 1 ? new ZoomedMarks(z.zoom, this) : nullptr;

  const QRect levelPlaces[4] = {z.twips(450, 615, 1260, 285), z.twips(2190, 600, 1305, 270),
                                z.twips(450, 1125, 1245, 285), z.twips(2205, 1110, 1245, 285)};
  QButtonGroup* levels = addChoices(
      this, z, marks, translatedText("Start Level"), z.twips(495, 330, 4680, 1920),
      {translatedText("Level 1"), translatedText("Level 2"), translatedText("Level 3"), translatedText("Level 4")},
      levelPlaces, levelButtons_);
  const QRect timePlaces[3] = {z.twips(285, 540, 960, 420), z.twips(1515, 555, 1200, 420), z.twips(2955, 600, 1380, 420)};
  QButtonGroup* times = addChoices(this, z, marks, translatedText("Timer Difficulty"), z.twips(465, 2715, 4875, 1275),
                                   {translatedText("Easy"), translatedText("Medium"), translatedText("Difficult")},
                                   timePlaces, timeButtons_);

  // Beyond the classic options: a group of their own under the classic
  // frames, above the buttons.
  auto* later = new QGroupBox(translatedText("More"), this);
  later->setFont(z.arialBold(12));
  place(later, z.twips(465, kLaterGroupTop, 4875, kLaterGroupHeight));
  typeLetters_ =
      addSwitch(later, z, marks, translatedText("Type letters"), z.twips(285, 420, 2100, 285),
                translatedText("Letter keys pick tiles, Backspace takes the last back, Delete clears, Space shuffles"),
                state.preferences.typeLetters);
  showMeanings_ =
      addSwitch(later, z, marks, translatedText("Show meanings"), z.twips(2490, 420, 2250, 285),
                translatedText("Pointing at a word in the list shows what it means; a click shows all its senses"),
                state.preferences.showMeanings);
  highContrast_ =
      addSwitch(later, z, marks, translatedText("High contrast"), z.twips(285, 810, 3000, 285),
                translatedText("Stronger colours for every text, and found words set apart by more than colour"),
                state.preferences.highContrast);
  // The words a new game is played with, in the row's free half.
  words_ = new QComboBox(later);
  words_->setFont(z.arialBold(9.75));
  words_->addItems(
      {translatedText("Classic words"), translatedText("Everyday, American"), translatedText("Everyday, British")});
  words_->setAccessibleName(translatedText("Words"));
  words_->setToolTip(
      translatedText("Everyday words, with bonus words and words of your own, in the spelling you use; or the classic "
                     "list. A new game starts with them."));
  place(words_, z.twips(2490, 780, 2250, 360));
  const WordList shown = gameWordList(state.preferences.words, state.preferences.spelling, state.desktopSpelling);
  words_->setCurrentIndex(static_cast<int>(shown));

  // The language of new games, in the gap between the level and timer
  // frames, which no control of theirs uses.
  auto* languageLabel = new QLabel(translatedText("Language:"), this);
  languageLabel->setFont(z.arialBold(9.75));
  place(languageLabel, z.twips(510, 2280, 1200, 330));
  language_ = new QComboBox(this);
  language_->setFont(z.arialBold(9.75));
  for (const LanguageFacts& facts : kLanguages) language_->addItem(QString::fromUtf8(facts.nativeName));
  language_->setAccessibleName(translatedText("Language"));
  language_->setToolTip(
      translatedText("The language of the words and the racks. A new game starts in it; Classic words are English "
                     "in every language."));
  languageLabel->setBuddy(language_);
  place(language_, z.twips(1755, 2280, 2250, 330));
  const Language spoken = chosenLanguage(state.preferences, state.desktopLanguage);
  const auto languageShown = static_cast<int>(&factsOf(spoken) - kLanguages);
  language_->setCurrentIndex(languageShown);

  okButton_ = new QPushButton(translatedText("OK"), this);
  if (z.zoom != 1) {
    QFont buttons = font();
    buttons.setPixelSize(zoomed(QFontInfo(buttons).pixelSize(), z.zoom));
    setFont(buttons);  // the buttons' own font, zoomed; the rest set theirs
  }
  place(okButton_, z.twips(1935, 4350 + kButtonsLowered, 1455, 420));
  cancelButton_ = new QPushButton(translatedText("Cancel"), this);
  place(cancelButton_, z.twips(3885, 4335 + kButtonsLowered, 1455, 420));

  // Tab goes down the dialog as it reads: the ticked level, the ticked
  // timer (a group's other buttons are reached with the arrows), each
  // switch, the words, the language (added after the others, so that their
  // order stays as it was), OK, Cancel.
  QWidget* order[] = {timeButtons_[2], typeLetters_, showMeanings_, highContrast_,
                      words_,          language_,   okButton_,     cancelButton_};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  // idClicked comes from the player's clicks only, never from setChecked.
  connect(levels, &QButtonGroup::idClicked, this,
          [this](int index) { setStartLevel(static_cast<int16_t>(index + 1)); });
  connect(times, &QButtonGroup::idClicked, this,
          [this](int index) { setTimerDifficulty(static_cast<int16_t>(index + 1)); });
  connect(okButton_, &QPushButton::clicked, this, [this, shown, languageShown] {
    state_.solvingData.timeOption = timerDifficulty_;
    state_.solvingData.levelOption = startLevel_;
    state_.preferences.typeLetters = typeLetters_->isChecked();
    state_.preferences.showMeanings = showMeanings_->isChecked();
    state_.preferences.highContrast = highContrast_->isChecked();
    // Left as shown, a spelling that follows the desktop keeps following it.
    if (const auto chosen = static_cast<WordList>(words_->currentIndex()); chosen != shown) {
      state_.preferences.words = chosen == WordList::classic ? WordChoice::classic : WordChoice::everyday;
      if (chosen != WordList::classic)
        state_.preferences.spelling = chosen == WordList::everydayBritish ? Spelling::british : Spelling::american;
    }
    // Left as shown, a language that follows the desktop keeps following it.
    if (const int chosen = language_->currentIndex(); chosen != languageShown && chosen >= 0)
      state_.preferences.language = kLanguages[chosen].id;
    accept();
  });
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  setStartLevel(static_cast<int16_t>(std::clamp<int32_t>(state.solvingData.levelOption, 1, 4)));
  setTimerDifficulty(static_cast<int16_t>(std::clamp<int32_t>(state.solvingData.timeOption, 1, 3)));
  levelButtons_[startLevel_ - 1]->setFocus();
}

void OptionsDialog::setStartLevel(int16_t choice) {
  startLevel_ = std::clamp<int16_t>(choice, 1, 4);
  levelButtons_[startLevel_ - 1]->setChecked(true);
}

void OptionsDialog::setTimerDifficulty(int16_t choice) {
  timerDifficulty_ = std::clamp<int16_t>(choice, 1, 3);
  timeButtons_[timerDifficulty_ - 1]->setChecked(true);
}

}  // namespace vorpex
