// The instructions document shown in a window of the game's own, for a
// desktop with no program that opens it. Not modal: play goes on beside it.
#pragma once

#include <QDialog>
#include <string>

class QTextBrowser;

namespace vorpex {

class InstructionsWindow : public QDialog {
 public:
  // Shows the HTML document at `path` (Windows-1252 text, as shipped).
  InstructionsWindow(const std::string& path, QWidget* parent);

  // False, with `problem()` naming the file and the reason, when the
  // document could not be read; the window then shows that text instead.
  bool loaded() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }
  QTextBrowser& browser() { return *browser_; }

 private:
  QTextBrowser* browser_;
  std::string problem_;
};

}  // namespace vorpex
