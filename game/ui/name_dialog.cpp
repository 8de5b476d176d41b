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

QFont arial(double points, bool bold, double zoom) {
  QFont font("Arial");
  font.setPixelSize(zoomed(pointsToPixels(points), zoom));
  font.setBold(bold);
  return font;
}
}  // namespace

NameDialog::NameDialog(const DrawingKit& kit, int16_t gameMode, QWidget* parent)
    : QDialog(parent), backdrop_(kWidth, kHeight) {
  setWindowTitle("Best Score");
  const double z = windowZoom(parent);  // as large as the window it opens over
  setFixedSize(zoomed(kWidth, z), zoomed(kHeight, z));
  if (parent) setWindowIcon(parent->windowIcon());
  backdrop_.setScale(z * (parent ? parent->devicePixelRatioF() : devicePixelRatioF()));
  backdrop_.image().fill(kit.brDark.color());
  kit.stretchBackdrop(backdrop_, kWidth, kHeight);

  // Light text straight on the backdrop, so the texture shows through.
  const QString light = QStringLiteral("color: rgb(209, 255, 209); background: transparent;");
  lblCongMsg_ = new QLabel(this);
  lblCongMsg_->setFont(arial(8.25, true, z));
  lblCongMsg_->setStyleSheet(light);
  lblCongMsg_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblCongMsg_->setGeometry(zoomed(QRect(20, 12, kWidth - 40, 52), z));
  lblCongMsg_->setText(" Congratulations ! \r\n You have the best Score In \r\n" +
                       fromAnsi(loadText(30 + gameMode)));

  label1_ = new QLabel("Enter Your Name", this);
  label1_->setFont(arial(12, false, z));
  label1_->setStyleSheet(light);
  label1_->setGeometry(zoomed(QRect(20, 72, kWidth - 40, 22), z));

  txtName_ = new QLineEdit(this);
  txtName_->setFont(arial(12, false, z));
  // The field holds what the Hall of Fame will keep: as many characters as
  // it keeps, each one the store's code page holds; any other shows as the
  // "?" it will be kept as, before the player confirms.
  txtName_->setMaxLength(static_cast<int>(kLongestPlayerName));
  connect(txtName_, &QLineEdit::textEdited, this, [this](const QString& typed) {
    const QString kept = fromAnsi(toAnsi(typed));
    if (kept == typed) return;
    const int cursor = txtName_->cursorPosition();
    txtName_->setText(kept);
    txtName_->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
  });
  txtName_->setGeometry(zoomed(QRect(20, 98, kWidth - 40, 28), z));

  okButton_ = new QPushButton("OK", this);
  okButton_->setFont(arial(12, false, z));
  okButton_->setGeometry(zoomed(QRect((kWidth - 90) / 2, 148, 90, 32), z));
  okButton_->setDefault(true);  // Enter in the name field closes the dialog
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  txtName_->setFocus();
}

QString NameDialog::playerName() const { return txtName_->text(); }

void NameDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QRectF(0, 0, width(), height()), backdrop_.image());
}

}  // namespace vorpex
