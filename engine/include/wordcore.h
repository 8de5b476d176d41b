/*
 * wordcore: the Arcade Vorpex word engine, of Arcade Vorpex 1.0.0.
 *
 * The library loads a word graph ("VORPEX.DICT") once and then builds
 * puzzles: a rack word picked by a puzzle number, and every dictionary word
 * of 3 to 10 letters that can be spelled from the rack's letters, grouped by
 * length. The word lists come out in the same order on every run, so a
 * puzzle is fully named by its rack length and its puzzle number.
 *
 * Five plain C functions cross the library boundary, with 32-bit integers
 * and narrow NUL-terminated strings. The library owns all of its memory; the
 * caller owns the buffer that llpGetWord fills. Words cross in lower case, one
 * byte a letter in Windows-1252: a dictionary's letters are the lower-case
 * letters of that code page its graph holds, at most 32 of them.
 *
 * The engine is one global object without locks: call it from one thread,
 * one call at a time. No function ever reads or writes outside its own memory
 * or the caller's buffer, whatever the file or the arguments.
 *
 * Calling order: loadLangDict once; then for each puzzle makeLLPuzzleA,
 * llpGetNumWordsInSize and llpGetWord for the lengths of interest, and
 * clearMemory before the next puzzle.
 */
#ifndef WORDCORE_H
#define WORDCORE_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define WORDCORE_CALL __stdcall
#else
#define WORDCORE_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Reads the dictionary file at `path` (a narrow string, taken as a file name
 * as it stands) and builds the word lists and their signatures. Any earlier
 * dictionary is released, together with its solution lists.
 *
 * Returns 1 when the dictionary loaded, 0 when it did not: `path` is null,
 * the file is missing or unreadable, holds no complete node, is malformed (a
 * node whose letter is not a lower-case letter of Windows-1252, a graph of
 * more than 32 letters, a child index at or beyond the node count,
 * a sibling group running off the end, more than 524,288 nodes), or listing
 * it would pass the engine's bound on words or walk steps. After a failed
 * load every word list is empty and makeLLPuzzleA refuses every rack.
 */
int32_t WORDCORE_CALL loadLangDict(const char* path);

/*
 * Builds the puzzle named by `rackLength` (3 to 10; the game uses 5 to 8) and
 * `puzzleNumber` (taken as an unsigned 32-bit number modulo the number of
 * dictionary words of that length) and appends its solutions, without
 * repeats, to the solution lists. `position` is accepted and ignored.
 *
 * Returns 0 on success. Returns -1 and adds nothing when no dictionary is
 * loaded, `rackLength` is outside 3 to 10, or the dictionary holds no word of
 * that length.
 */
int32_t WORDCORE_CALL makeLLPuzzleA(int32_t rackLength, int32_t puzzleNumber,
                                    int32_t position);

/*
 * The number of solution words of `length` letters in the current puzzle:
 * 0 for lengths outside 3 to the rack length, for any length outside 0 to 14,
 * and before a dictionary is loaded.
 */
int32_t WORDCORE_CALL llpGetNumWordsInSize(int32_t length);

/*
 * Copies solution word number `index` (1-based, in the engine's order) of
 * `length` letters, with its NUL, into `buffer`: exactly length + 1 bytes.
 * The caller provides at least that many.
 *
 * Returns `buffer`. Returns null and leaves the buffer untouched when
 * `buffer` is null, `length` is outside 0 to 14, `index` is outside 1 to
 * llpGetNumWordsInSize(length), or no dictionary is loaded.
 */
char* WORDCORE_CALL llpGetWord(int32_t length, int32_t index, char* buffer);

/*
 * Empties every solution list. The dictionary and its word lists stay.
 * Harmless when the lists are empty or nothing is loaded.
 */
void WORDCORE_CALL clearMemory(void);

#ifdef __cplusplus
}
#endif

#endif /* WORDCORE_H */
