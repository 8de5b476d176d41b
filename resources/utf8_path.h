// The game keeps every path as UTF-8 text. A std::filesystem::path made
// from such text must be told so: on Windows a path from a plain string is
// read in the ANSI code page, which mangles any letter beyond ASCII (a
// folder under a user's own name, "C:\Users\Łukasz\...").
#pragma once

#include <filesystem>
#include <string>

namespace vorpex {

inline std::filesystem::path utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace vorpex
