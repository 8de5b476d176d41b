#include "instructions_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "text_codec.h"

namespace vorpex {

InstructionsWindow::InstructionsWindow(const std::string& path, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle(translatedText("Arcade Vorpex - How to play"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  browser_->setOpenLinks(false);
  QFile file(QString::fromStdString(path));
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    browser_->setHtml(fromAnsi(std::string(bytes.constData(), static_cast<size_t>(bytes.size()))));
  } else {
    problem_ = "The instructions cannot be shown: " + path + ": " + file.errorString().toStdString();
    browser_->setPlainText(QString::fromStdString(problem_));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(translatedText("Close"));  // Qt's own texts are English
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  resize(640, 520);
}

}  // namespace vorpex
