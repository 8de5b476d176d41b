#include "help.h"

#include <QDesktopServices>
#include <QUrl>

#include "program_files.h"

namespace vorpex {

void DesktopOpener::open(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void openHelp(DocumentOpener& opener, const std::string& appDir) { opener.open(appDir + files::kHelp); }

}  // namespace vorpex
