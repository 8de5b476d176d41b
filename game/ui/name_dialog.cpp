#include "name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "game_rules.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kWidth = 329;
constexpr int kHeight = 207;

QFont arial(double points, bool bold, double zoom) { return zoomedFont("Arial", points, bold, zoom); }
}  // namespace

NameDialog::NameDialog(const DrawingKit& kit, int16_t gameMode, QWidget* parent)
    : QDialog(parent), backdrop_(kWidth, kHeight) {
  setWindowTitle(translatedText("Best Score"));
  const double z = windowZoom(parent);  // as large as the window it opens over
  setFixedSize(zoomed(kWidth, z), zoomed(kHeight, z));
  if (parent) setWindowIcon(parent->windowIcon());
  backdrop_.setScale(z * (parent ? parent->devicePixelRatioF() : devicePixelRatioF()));
  kit.clearPicture(backdrop_, Ink::dark);
  kit.stretchBackdrop(backdrop_, kWidth, kHeight);

  // Light text straight on the backdrop, so the texture shows through.
  QPalette light = palette();
  light.setColor(QPalette::WindowText, kit.colour(Ink::value));
  congratulation_ = new QLabel(this);
  congratulation_->setFont(arial(8.25, true, z));
  congratulation_->setPalette(light);
  congratulation_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  congratulation_->setGeometry(zoomed(QRect(20, 12, kWidth - 40, 52), z));
  congratulation_->setText(translatedText(" Congratulations ! ") + "\r\n" +
                           translatedText(" You have the best Score In ") + "\r\n" +
                           fromAnsi(loadText(kModeNameText + gameMode)));

  prompt_ = new QLabel(translatedText("Enter Your Name"), this);
  prompt_->setFont(arial(12, false, z));
  prompt_->setPalette(light);
  prompt_->setGeometry(zoomed(QRect(20, 72, kWidth - 40, 22), z));

  nameEdit_ = new QLineEdit(this);
  nameEdit_->setFont(arial(12, false, z));
  // The field holds what the Hall of Fame will keep: as many characters as
  // it keeps, each one the store's code page holds; any other shows as the
  // "?" it will be kept as, before the player confirms.
  nameEdit_->setMaxLength(static_cast<int>(kLongestPlayerName));
  connect(nameEdit_, &QLineEdit::textEdited, this, [this](const QString& typed) {
    const QString kept = fromAnsi(toAnsi(typed));
    if (kept == typed) return;
    const int cursor = nameEdit_->cursorPosition();
    nameEdit_->setText(kept);
    nameEdit_->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
  });
  nameEdit_->setGeometry(zoomed(QRect(20, 98, kWidth - 40, 28), z));

  okButton_ = new QPushButton("OK", this);
  okButton_->setFont(arial(12, false, z));
  okButton_->setGeometry(zoomed(QRect((kWidth - 90) / 2, 148, 90, 32), z));
  okButton_->setDefault(true);  // Enter in the name field closes the dialog
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  // A screen reader names the field by the prompt above it, and tells the
  // congratulation with it: the field has the focus as the dialog opens.
  prompt_->setBuddy(nameEdit_);
  nameEdit_->setAccessibleDescription(congratulation_->text().simplified());
  nameEdit_->setFocus();
}

QString NameDialog::playerName() const { return nameEdit_->text(); }

void NameDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QRectF(0, 0, width(), height()), backdrop_.image());
}

}  // namespace vorpex
