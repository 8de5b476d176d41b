// The program folder and the names of the files in it.
#pragma once

#include <string>

namespace vorpex {

// `folder` with a trailing separator added when it lacks one (a folder at a
// drive root, "C:\", or "/", keeps its single one).
std::string withTrailingSeparator(std::string folder);

}  // namespace vorpex
