#include "options_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "surface.h"

namespace vorpex {

namespace {
constexpr int kTwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QFont arialBold(double points) {
  QFont font("Arial");
  font.setPixelSize(pointsToPixels(points));
  font.setBold(true);
  return font;
}
}  // namespace

OptionsDialog::OptionsDialog(GameState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setWindowTitle("Set Options");
  setFixedSize(394, 360);
  if (parent) setWindowIcon(parent->windowIcon());
  isLoading_ = true;

  auto* frame1 = new QGroupBox("Start Level", this);
  frame1->setFont(arialBold(12));
  frame1->setGeometry(twips(495, 330, 4680, 1920));
  const QRect levelPlaces[4] = {twips(450, 615, 1260, 285), twips(2190, 600, 1305, 270),
                                twips(450, 1125, 1245, 285), twips(2205, 1110, 1245, 285)};
  auto* levels = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    opSL_[i] = new QRadioButton(QString("Level %1").arg(i + 1), frame1);
    opSL_[i]->setFont(arialBold(9.75));
    opSL_[i]->setGeometry(levelPlaces[i]);
    levels->addButton(opSL_[i], i);
  }

  auto* frame2 = new QGroupBox("Timer Difficulty", this);
  frame2->setFont(arialBold(12));
  frame2->setGeometry(twips(465, 2715, 4875, 1275));
  const char* timeCaptions[3] = {"Easy", "Medium", "Difficult"};
  const QRect timePlaces[3] = {twips(285, 540, 960, 420), twips(1515, 555, 1200, 420), twips(2955, 600, 1380, 420)};
  auto* times = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    opTime_[i] = new QRadioButton(timeCaptions[i], frame2);
    opTime_[i]->setFont(arialBold(9.75));
    opTime_[i]->setGeometry(timePlaces[i]);
    times->addButton(opTime_[i], i);
  }

  command1_ = new QPushButton("OK", this);
  command1_->setGeometry(twips(1935, 4350, 1455, 420));
  command2_ = new QPushButton("Cancel", this);
  command2_->setGeometry(twips(3885, 4335, 1455, 420));

  connect(levels, &QButtonGroup::idClicked, this, [this](int index) {
    if (!isLoading_) setLelOption(static_cast<int16_t>(index + 1));
  });
  connect(times, &QButtonGroup::idClicked, this, [this](int index) {
    if (!isLoading_) setTimeOption(static_cast<int16_t>(index + 1));
  });
  connect(command1_, &QPushButton::clicked, this, [this] {
    state_.solvingData.timeOption = selTime_;
    state_.solvingData.levelOption = selLevel_;
    accept();
  });
  connect(command2_, &QPushButton::clicked, this, &QDialog::reject);

  setLelOption(static_cast<int16_t>(std::clamp<int32_t>(state.solvingData.levelOption, 1, 4)));
  setTimeOption(static_cast<int16_t>(std::clamp<int32_t>(state.solvingData.timeOption, 1, 3)));
  isLoading_ = false;
}

void OptionsDialog::setLelOption(int16_t iSel) {
  const bool wasLoading = isLoading_;
  isLoading_ = true;
  iSel = std::clamp<int16_t>(iSel, 1, 4);
  opSL_[iSel - 1]->setChecked(true);
  selLevel_ = iSel;
  isLoading_ = wasLoading;
}

void OptionsDialog::setTimeOption(int16_t iSel) {
  const bool wasLoading = isLoading_;
  isLoading_ = true;
  iSel = std::clamp<int16_t>(iSel, 1, 3);
  opTime_[iSel - 1]->setChecked(true);
  selTime_ = iSel;
  isLoading_ = wasLoading;
}

}  // namespace vorpex
