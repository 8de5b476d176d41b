#include "shipped_fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace vorpex {

void useShippedFonts(const std::string& appDir) {
  const QDir fonts(QString::fromStdString(appDir) + QStringLiteral("/fonts"));
  for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
    QFontDatabase::addApplicationFont(fonts.filePath(file));
  // A substitute is used only where the family itself is missing.
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
}

}  // namespace vorpex
