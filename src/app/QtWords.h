#pragma once
// The game's texts through Qt's translation: the installed catalogue decides
// the language, and with none installed every text stays Japanese.

#include <QTranslator>

#include "platform/Translator.h"

namespace morovan {

class QtWords : public Translator {
 public:
  std::string translate(const char* context, const char* source) const override;
};

// Whether the interface is shown in English: the choice remembered under
// "language" ("ja", "en"), or else the system's language, English for any
// locale other than Japanese.
bool englishChosen(const std::string& remembered, const QLocale& system);

// Loads the English catalogue built into the program into `catalogue` and
// installs it in the application. False when it cannot be loaded.
bool installEnglish(QTranslator& catalogue);

}  // namespace morovan
