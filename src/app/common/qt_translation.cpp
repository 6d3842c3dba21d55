#include "app/common/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool UseRussianQtTexts(bool russian) {
  // Owned by the application, loaded on the first need; an empty one never loaded.
  static QTranslator* translator = new QTranslator(QCoreApplication::instance());
  if (!russian) {
    QCoreApplication::removeTranslator(translator);
    return true;
  }
  if (translator->isEmpty() &&
      !translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}
