// The dictionary's path as the engine's narrow file calls read it. The five
// functions pass text in the ANSI code page, where the game keeps paths as
// UTF-8 and a folder may be named in letters the code page lacks. On
// Windows, in turn:
//  1. the path itself, where the code page holds every letter of it;
//  2. its short (8.3) form, plain ASCII, where the volume keeps short names
//     (current Windows makes none on new volumes);
//  3. for a file in the current folder, its bare name: start-up sets the
//     current folder to the program folder by its wide name, which any
//     volume opens, and the dictionary's own name is ASCII.
// Otherwise the path as near as the code page comes, which the engine
// then reports as not found. Elsewhere the path is passed as it is.
#pragma once

#include <functional>
#include <string>

namespace vorpex {

// The short form of a wide path, or empty where the volume has none.
using ShortPathLookup = std::function<std::wstring(const std::wstring& path)>;
// The system's own lookup (Windows); empty elsewhere.
std::wstring systemShortPath(const std::wstring& path);

std::string pathForEngine(const std::string& utf8, const ShortPathLookup& shortPath = systemShortPath);

}  // namespace vorpex
