#pragma once

#include <QString>

namespace sentari::platform {

// Puts Qt's own texts and Sentari's into the language the environment asks for (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG, as every Qt program reads them). Needs the application object;
// without a catalogue for that language everything stays English.
void installTranslations();

// The language Sentari's texts are in: of the user's languages in their order, the first that
// is English or has a catalogue, as its tag ("de", "pt_BR"); empty for English. Help pages
// follow it. Needs the application object.
QString textLanguage();

// A text of a program without windows (its --help), translated as installTranslations()
// would: makes a core application object for the time of the call when there is none.
QString translatedText(const char* context, const char* english);

} // namespace sentari::platform
