// The game's numbered texts: every caption and message it draws or shows.
// "\n" is a line break; "|1" to "|5" are placeholders that formatResString
// fills. Numbers and texts are fixed, odd spellings included. N_ marks a
// text for translation; its other languages come from translations.h.
#pragma once

#include <cstdint>

#ifndef N_
#define N_(english) english
#endif

namespace vorpex::texts {

struct TextEntry {
  int16_t number;
  const char* text;
};

inline constexpr TextEntry kTextTable[] = {
    {31, N_("Classic Arcade")},
    {32, N_("Timed Arcade")},
    {62, N_("Score")},
    {63, "0"},
    {64, N_("Best Score")},
    {65, "0"},
    {66, N_("Time")},
    {67, "0"},
    {68, N_("Level")},
    {69, "0"},
    {70, N_("Hall of Fame")},
    {71, N_("Pause")},
    {72, N_("Instructions")},
    {73, N_("Show Solution")},
    {74, N_("Options")},
    {75, N_("Main Menu")},
    {76, N_("Save and Exit")},
    {77, N_("Enter")},
    {78, N_("Clear")},
    {81, N_("CLASSIC ARCADE")},
    {82, N_("TIMED ARCADE")},
    {83, N_("OPTIONS")},
    {84, N_("HALL OF FAME - CLASSIC")},
    {85, N_("HALL OF FAME - TIMED")},
    {86, N_("INSTRUCTTIONS")},
    {87, N_("EXIT")},
    {88, N_("PUZZLE OF THE DAY")},
    {89, N_("STATISTICS")},
    {91, N_("OK")},
    {92, N_("Clear Scores")},
    {112, N_("You completed level |1 \n Number of words found |2 of |3 \n Score in this Level |4 \n "
             "bonus points |5")},
    {113, N_("Excellent work. You completed all the |1 levels.")},
    {115, N_("Game Over\nNumber Of words Found |1\nLevel reached |2\nPoints Scored |3")},
    {200, N_("Back to Main Menu ")},
    {210, N_("Word Already in the list")},
    {211, N_("No such word in the list")},
    {212, N_("|1 points")},
    {213, N_("Check the words you missed in the list box, or go back to main menu")},
    {230, N_("Do you want to play the saved game ?")},
    {231, N_("Yes")},
    {232, N_("No thanks")},
    // Everyday words and the player's own.
    {240, N_("Bonus word: |1 points")},
    {241, N_("Accept this word")},
    {242, N_("Never show this word")},
    {243, N_("Bonus words:")},
    {244, N_("|1 is a bonus word for you from now on")},
    {245, N_("|1 will not be shown to you again")},
    {246, N_("This saved game was played with words this version does not have (\"|1\"), so it cannot be "
             "resumed. Delete it?")},
    {247, N_("Delete")},
    {248, N_("Keep it")},
    {249, N_("Meanings are in English only: this game's words have none here")},
    {250, N_("Clear your statistics: every game of the history, and your days in a row?")},
    {251, N_("Clear them")},
    {252, N_("Keep them")},
};

}  // namespace vorpex::texts
