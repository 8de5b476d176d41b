#include "help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "program_files.h"

namespace vorpex {

bool DesktopOpener::open(const std::string& path) {
#if defined(_WIN32) || defined(__APPLE__)
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
#else
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return false;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const EnvironmentVariable& variable : viewerEnvironment_) {
    const QString name = QString::fromStdString(variable.name);
    if (variable.value) {
      environment.insert(name, QString::fromStdString(*variable.value));
    } else {
      environment.remove(name);
    }
  }
  QProcess viewer;
  viewer.setProgram(opener);
  viewer.setArguments({QUrl::fromLocalFile(QString::fromStdString(path)).toString()});
  viewer.setProcessEnvironment(environment);
  viewer.setStandardInputFile(QProcess::nullDevice());
  return viewer.startDetached();
#endif
}

std::string helpPath(const std::string& appDir, Language language) {
  if (language != Language::english) {
    std::string own = files::kHelp;
    own.insert(own.find('.'), "-" + upperCodeOf(language));
    const std::string path = appDir + own;
    if (QFileInfo::exists(QString::fromStdString(path))) return path;
  }
  return appDir + files::kHelp;
}

bool openHelp(DocumentOpener& opener, const std::string& appDir, Language language) {
  return opener.open(helpPath(appDir, language));
}

}  // namespace vorpex
