// The text table and formatResString.
#include <gtest/gtest.h>

#include "game_state.h"
#include "text_resources.h"

namespace vorpex {
namespace {

TEST(FormatResString, PointsMessageTakesTheNumberInDecimal) {
  EXPECT_EQ(formatResString(212, {"|1", 15}), "15 points");
  EXPECT_EQ(formatResString(212, {"|1", -1200}), "-1200 points");
}

TEST(FormatResString, LevelSummaryFillsFivePairsAndLeavesAMissingOne) {
  EXPECT_EQ(formatResString(112, {"|1", 2, "|2", 9, "|3", 14, "|4", 180, "|5", 0}),
            "You completed level 2 \n Number of words found 9 of 14 \n Score in this Level 180 \n "
            "bonus points 0");
  EXPECT_EQ(formatResString(112, {"|1", 2, "|2", 9, "|3", 14, "|4", 180}),
            "You completed level 2 \n Number of words found 9 of 14 \n Score in this Level 180 \n "
            "bonus points |5");
}

TEST(FormatResString, AbsentPlaceholderLeavesTheTextAlone) {
  EXPECT_EQ(formatResString(113, {"|3", 7}), "Excellent work. You completed all the |1 levels.");
  // An empty placeholder is found everywhere; filling it would never end.
  EXPECT_EQ(formatResString(113, {"", 7, "|1", 4}), "Excellent work. You completed all the 4 levels.");
  EXPECT_EQ(formatResString(210, {}), "Word Already in the list");
}

TEST(FormatResString, OddListReusesThePreviousValue) {
  EXPECT_EQ(formatResString(115, {"|1", 12, "|2"}),
            "Game Over\nNumber Of words Found 12\nLevel reached 12\nPoints Scored |3");
  EXPECT_EQ(formatResString(212, {"|1"}), " points") << "a lone placeholder takes an empty value";
}

TEST(FormatResString, LaterPairsFillPlaceholdersThatEarlierValuesBrought) {
  // The first value brings two "|2", which the second pair fills: every occurrence goes.
  EXPECT_EQ(formatResString(212, {"|1", "|2 and |2", "|2", 7}), "7 and 7 points");
}

TEST(FormatResString, ValueHoldingItsOwnPlaceholderIsInsertedOnce) {
  // Searching again from the start would insert it forever.
  EXPECT_EQ(formatResString(212, {"|1", "a|1"}), "a|1 points");
}

TEST(TextTable, KeepsTheGamesOwnSpellingsAndSpaces) {
  EXPECT_EQ(loadText(86), "INSTRUCTTIONS");
  EXPECT_EQ(loadText(200), "Back to Main Menu ");
  EXPECT_EQ(loadText(230), "Do you want to play the saved game ?");
  EXPECT_EQ(loadText(30 + MODE_TIMED), "Timed Arcade");
  EXPECT_EQ(loadText(60 + 17), "Enter");
  EXPECT_EQ(loadText(80 + 7), "EXIT");
  EXPECT_EQ(loadText(999), "") << "an unknown number is harmless";
}

}  // namespace
}  // namespace vorpex
