// Qt's own texts in the game's text language: the edit field's menu and the
// buttons of Qt's boxes, English left to Qt.
#include "qt_own_texts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <memory>

#include "translations.h"

namespace vorpex {
namespace {

// The menu's item texts without the keys Qt adds after a tab.
QStringList editMenuItems() {
  QLineEdit field;
  field.setText(QStringLiteral("Anononymous"));
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList items;
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) items << action->text().section(QLatin1Char('\t'), 0, 0);
  return items;
}

QString closeButtonText() {
  QDialogButtonBox buttons(QDialogButtonBox::Close);
  return buttons.button(QDialogButtonBox::Close)->text();
}

TEST(QtOwnTexts, EditMenuAndButtonsFollowTheTextLanguage) {
  QtOwnTexts texts;
  QCoreApplication::installTranslator(&texts);
  const struct {
    Language language;
    QStringList items;
    QString close;
  } cases[] = {
      {Language::english, {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"}, "Close"},
      {Language::german,
       {QString::fromUtf8("&R\u00FCckg\u00E4ngig"), "Wieder&herstellen", "&Ausschneiden", "&Kopieren",
        QString::fromUtf8("Einf&\u00FCgen"), QString::fromUtf8("L\u00F6schen"),
        QString::fromUtf8("Alles ausw\u00E4hlen")},
       QString::fromUtf8("Schlie\u00DFen")},
      {Language::spanish,
       {"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Eliminar", "Seleccionar todo"},
       "Cerrar"},
  };
  for (const auto& c : cases) {
    setTextLanguage(c.language);
    EXPECT_EQ(editMenuItems(), c.items) << factsOf(c.language).code;
    EXPECT_EQ(closeButtonText(), c.close) << factsOf(c.language).code;
  }
  setTextLanguage(Language::english);
  QCoreApplication::removeTranslator(&texts);
}

}  // namespace
}  // namespace vorpex
