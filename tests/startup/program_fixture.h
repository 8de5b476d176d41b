// The whole program under test: a Program over the real engine and the
// shipped data of this build, its store in a temporary folder, with
// recording fakes for sounds, help and messages, and helpers that play it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "fixed_random.h"
#include "modal_closer.h"
#include "name_dialog.h"
#include "program.h"
#include "question_dialog.h"
#include "recording_output.h"
#include "store_fixture.h"

namespace vorpex::testing {


class NoOpener : public DocumentOpener {
 public:
  bool open(const std::string& path) override {
    opened.push_back(path);
    return viewerFound;
  }
  std::vector<std::string> opened;
  bool viewerFound = true;
};

// Answers one modal window: a question with `answer`'s key, or closed from
// its frame when `answer` is Qt::Key_unknown; a name prompt with `name`
// typed in; any other dialog accepted.
inline void answerModal(QWidget& modal, Qt::Key answer, const char* name = "Tester") {
  if (dynamic_cast<QuestionDialog*>(&modal)) {
    if (answer == Qt::Key_unknown) {
      modal.close();
    } else {
      QTest::keyClick(&modal, answer);
    }
  } else if (auto* names = dynamic_cast<NameDialog*>(&modal)) {
    QTest::keyClicks(&names->nameEdit(), name);
    QTest::keyClick(&names->nameEdit(), Qt::Key_Return);
  } else if (auto* dialog = dynamic_cast<QDialog*>(&modal)) {
    dialog->accept();
  }
}

// Answers every modal window as answerModal does, noting their titles.
inline ModalCloser answering(Qt::Key answer, std::vector<std::string>* titles = nullptr) {
  return ModalCloser([answer, titles](QWidget& modal) {
    if (titles) titles->push_back(modal.windowTitle().toStdString());
    answerModal(modal, answer);
  });
}

class ProgramTest : public ::testing::Test {
 protected:
  ProgramEnvironment environment(const std::string& appDir = std::string(VORPEX_APP_DIR) + "/") {
    ProgramEnvironment e;
    e.appDir = appDir;
    e.storePath = (store.path() / "registry.reg").string();
    e.random = &random;
    e.soundOutput = &output;
    e.opener = &opener;
    e.messages = &messages;
    return e;
  }
  std::string storeText() const {
    const auto bytes = testing::readBytes((store.path() / "registry.reg").string());
    return {bytes.begin(), bytes.end()};
  }
  // Spells the first solution word of `length` letters with the tiles and enters it.
  static void findAWord(Program& program, int length) {
    GameState& state = program.state();
    const std::string word = state.wordsBySize[static_cast<size_t>(length)].words(1);
    for (const char letter : word) {
      for (int t = 1; t <= state.rackLength; ++t) {
        if (state.rack(static_cast<size_t>(t)) == static_cast<uint8_t>(letter) &&
            state.tileUsed(static_cast<size_t>(t)) == 0) {
          program.session().tileClicked(t, BUTTON_LEFT);
          break;
        }
      }
    }
    program.session().enterClicked();
  }

  // Starts a game of `mode` in a program run and leaves it by "Save and Exit".
  void saveAGameAndExit(int mode) {
    auto closer = answering(Qt::Key_Return);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    program.divertClick(mode);
    program.controller().panelCommand(16);
  }
  // A fresh program run offers the stored game once, `answer` is given, and
  // the program stays on the menu with no game in play.
  void expectOfferedOnceAndLeftOnTheMenu(Qt::Key answer) {
    auto closer = answering(answer);
    Program program(environment());
    ASSERT_EQ(program.start(), "");
    EXPECT_EQ(closer.answered, 1);
    EXPECT_TRUE(program.window().menuShown());
    EXPECT_FALSE(program.state().gameActive);
  }
  // How many questions a fresh program run asks at start.
  int questionsAtStart() {
    auto closer = answering(Qt::Key_Return);
    Program program(environment());
    EXPECT_EQ(program.start(), "");
    return closer.answered;
  }

  TempDir store;
  FixedRandom random;
  RecordingOutput output;
  NoOpener opener;
  RecordingMessages messages;
};

}  // namespace vorpex::testing
