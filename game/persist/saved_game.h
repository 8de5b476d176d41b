// The one saved game, in the subkey SAVE of the settings key.
//
// Values: ISSTORED (1 byte, 1 while a game waits to be resumed), LENGTH
// (16-bit rack length), MODE_NUM (the 22-byte settings image), BYTE_DATA (the
// rack letters), SCORE, NWORDSFOUND, SWORDSFOUND (characters of FOUNDWORDS),
// TIMEREM, CURLEVELSCORE (32-bit each) and FOUNDWORDS (the found words, each
// followed by a comma, a string stored without its NUL). Only the puzzle's
// number and rack length are kept: the engine rebuilds the same puzzle from
// them. Values added later: WORDLIST (the word list's name, a string with
// its NUL; none means the classic list) and BONUSWORDS (the bonus words
// found, as FOUNDWORDS; none means none).
#pragma once

#include "game_state.h"
#include "keyed_store.h"
#include "message_sink.h"
#include "translations.h"

namespace vorpex {

constexpr const char* kSaveFailedMessage = N_(" Sorry - Save Failerd ");
constexpr const char* kLoadSavedGameFailedMessage = N_(" Error - Load Saved Game Failerd");
constexpr const char* kSavedGameStoreFailedMessage = N_(" Error - Loading the Saved Game Failerd");

// Stores the level in play (ISSTORED 1). The player is told when the store
// cannot be opened or written.
void saveGame(const GameState& state, KeyedStore& store, MessageSink& messages);

// True when a saved game waits and is consistent: rack length 5 to 8 and
// matching its level, game mode 1 or 2, level 1 to 4, puzzle number 0 to
// 10000, no negative score or time, FOUNDWORDS holding SWORDSFOUND characters
// with at least NWORDSFOUND commas, every found word 3 to rack-length letters
// A to Z. An inconsistent one is cleared and counts as none. Creates the SAVE
// key for a new player.
bool isGameStored(KeyedStore& store, MessageSink& messages);

// Marks the saved game as taken (ISSTORED 0).
void clearStoredGame(KeyedStore& store, MessageSink& messages);

// Marks the saved game as taken before reading anything, so that it is
// offered once only, then reads it into `state`: rack length and board
// width, rack, the settings record (mode, level, puzzle number, options),
// score, level score, time left and found words (left as they were when none
// was found). Returns false, leaving `state` as it was, when the store cannot
// be opened (the player is told) or the saved game is missing or
// inconsistent.
bool loadSavedGame(GameState& state, KeyedStore& store, MessageSink& messages);

// The name of the word list a waiting saved game was played with, as
// stored ("classic" when none is), so that a game whose list this version
// does not ship can be refused with a question. Empty when the store
// cannot be read.
std::string storedWordListName(KeyedStore& store, MessageSink& messages);

}  // namespace vorpex
