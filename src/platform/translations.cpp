#include "platform/translations.h"

#include "platform/apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace sentari::platform {

namespace {
// English is the source language: nothing to load, nothing to look for.
bool inEnglish(const QLocale& locale)
{
    const QString first = locale.uiLanguages().value(0);
    return first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("en"));
}

QString catalogueFolder()
{
    return dataFile(QStringLiteral("translations"));
}
} // namespace

QString textLanguage()
{
    if (inEnglish(QLocale()))
        return {}; // without looking for the data folder
    const QDir folder(catalogueFolder());
    for (QString language : QLocale().uiLanguages()) {
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return {};
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        for (const QString& tag : {language, base}) {
            if (folder.exists(QStringLiteral("sentari_") + tag + QStringLiteral(".qm")))
                return tag;
        }
    }
    return {};
}

void installTranslations()
{
    auto* app = QCoreApplication::instance();
    const QString language = app ? textLanguage() : QString();
    if (language.isEmpty())
        return;
    // Qt's catalogue of the same language, its region dropped when Qt has none for it.
    const auto load = [&](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>(app);
        if (translator->load(name + QLatin1Char('_') + language, folder))
            QCoreApplication::installTranslator(translator.release());
    };
    load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("sentari"), catalogueFolder());
}

QString translatedText(const char* context, const char* english)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, english);
    if (inEnglish(QLocale()))
        return QString::fromUtf8(english);
    int argc = 1;
    char name[] = "sentari";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    installTranslations();
    return QCoreApplication::translate(context, english);
}

} // namespace sentari::platform
