// The game's numbered texts: every caption and message it draws or shows.
// "\n" is a line break; "|1" to "|5" are placeholders that formatResString
// fills. Numbers and texts are fixed, odd spellings included.
#pragma once

#include <cstdint>

namespace vorpex::texts {

struct TextEntry {
  int16_t number;
  const char* text;
};

inline constexpr TextEntry kTextTable[] = {
    {31, "Classic Arcade"},
    {32, "Timed Arcade"},
    {62, "Score"},
    {63, "0"},
    {64, "Best Score"},
    {65, "0"},
    {66, "Time"},
    {67, "0"},
    {68, "Level"},
    {69, "0"},
    {70, "Hall of Fame"},
    {71, "Pause"},
    {72, "Instructions"},
    {73, "Show Solution"},
    {74, "Options"},
    {75, "Main Menu"},
    {76, "Save and Exit"},
    {77, "Enter"},
    {78, "Clear"},
    {81, "CLASSIC ARCADE"},
    {82, "TIMED ARCADE"},
    {83, "OPTIONS"},
    {84, "HALL OF FAME - CLASSIC"},
    {85, "HALL OF FAME - TIMED"},
    {86, "INSTRUCTTIONS"},
    {87, "EXIT"},
    {91, "OK"},
    {92, "Clear Scores"},
    {112, "You completed level |1 \n Number of words found |2 of |3 \n Score in this Level |4 \n "
          "bonus points |5"},
    {113, "Excellent work. You completed all the |1 levels."},
    {115, "Game Over\nNumber Of words Found |1\nLevel reached |2\nPoints Scored |3"},
    {200, "Back to Main Menu "},
    {210, "Word Already in the list"},
    {211, "No such word in the list"},
    {212, "|1 points"},
    {213, "Check the words you missed in the list box, or go back to main menu"},
    {230, "Do you want to play the saved game ?"},
    {231, "Yes"},
    {232, "No thanks"},
    // Everyday words and the player's own.
    {240, "Bonus word: |1 points"},
    {241, "Accept this word"},
    {242, "Never show this word"},
    {243, "Bonus words:"},
    {244, "|1 is a bonus word for you from now on"},
    {245, "|1 will not be shown to you again"},
    {246, "This saved game was played with words this version does not have (\"|1\"), so it cannot be "
          "resumed. Delete it?"},
    {247, "Delete"},
    {248, "Keep it"},
    {249, "Meanings are in English only: this game's words have none here"},
};

}  // namespace vorpex::texts
