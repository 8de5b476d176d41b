// The files the game expects in its program folder, beside the program.
#pragma once

#include <filesystem>
#include <string>

namespace vorpex::files {

// The file name and the folder of `path`, for messages that name a file
// and where it lies ("\"|1\" in the folder \"|2\"" in every language).
inline std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }
inline std::string folderOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

// `"NAME" in the folder "FOLDER"`: how a failure message names the file at
// `path`, so that the player knows which file and where to look.
inline std::string describeLocation(const std::string& path) {
  const std::filesystem::path p(path);
  return "\"" + p.filename().string() + "\" in the folder \"" + p.parent_path().string() + "\"";
}

// The classic word list; the everyday lists, one per spelling; and the
// bonus words, every real word a rack may spell beyond them (one a line).
constexpr const char* kDictionary = "VORPEX.DICT";
constexpr const char* kEverydayAmericanDictionary = "EVERYDAY-US.DICT";
constexpr const char* kEverydayBritishDictionary = "EVERYDAY-GB.DICT";
constexpr const char* kBonusWords = "VORPEX.BONUS";
// Definitions of the words, one line each; optional: without it (a
// dictionary of one's own) no definitions are shown.
constexpr const char* kDefinitions = "VORPEX.DEFS";
constexpr const char* kSpriteSheet = "ALLPICDATA.BMP";
constexpr const char* kHelp = "TOLMIN.HTM";
// The window frame's icon; the installed desktop entry uses the same picture.
constexpr const char* kIcon = "arcade-vorpex.png";

// The sounds, in the order of their sound ids 0 to 5.
constexpr const char* kSounds[6] = {"CLICK.wav", "UNCLICK.wav", "BEEP.wav",
                                    "BEEPS.wav", "RIGHT.wav",   "CLAP.wav"};

#if defined(_WIN32)
constexpr const char* kSoundModule = "vorpex-sound.dll";
#else
constexpr const char* kSoundModule = "vorpex-sound.so";
#endif

#if defined(_WIN32)
constexpr const char* kEngineLibrary = "wordcore.dll";
#elif defined(__APPLE__)
constexpr const char* kEngineLibrary = "libwordcore.dylib";
#else
constexpr const char* kEngineLibrary = "libwordcore.so";
#endif

}  // namespace vorpex::files
