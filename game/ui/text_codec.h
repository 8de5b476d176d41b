// The game keeps text as Windows-1252 bytes, one byte a character, as it is
// stored; Qt shows QString. These convert between the two.
#pragma once

#include <QString>
#include <string>

namespace vorpex {

QString fromAnsi(const std::string& bytes);

// Characters that Windows-1252 cannot hold become '?'.
std::string toAnsi(const QString& text);

// The English text as the windows' language writes it (translations.h).
QString translatedText(const char* english);

}  // namespace vorpex
