#include "QtWords.h"

#include <QCoreApplication>
#include <QLocale>

#include "options/DisplayChoices.h"

namespace morovan {

std::string QtWords::translate(const char* context, const char* source) const {
  return QCoreApplication::translate(context, source).toStdString();
}

bool englishChosen(const std::string& remembered, const QLocale& system) {
  if (remembered == kLanguageJapanese) return false;
  if (remembered == kLanguageEnglish) return true;
  return system.language() != QLocale::Japanese;
}

bool installEnglish(QTranslator& catalogue) {
  if (!catalogue.load(QStringLiteral(":/i18n/morovan_en.qm"))) return false;
  return QCoreApplication::installTranslator(&catalogue);
}

}  // namespace morovan
