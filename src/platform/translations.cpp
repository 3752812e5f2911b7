#include "platform/translations.h"

#include "platform/apppaths.h"

#include <QCoreApplication>
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
} // namespace

void installTranslations()
{
    auto* app = QCoreApplication::instance();
    const QLocale locale;
    if (!app || inEnglish(locale))
        return;
    const auto load = [&](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>(app);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator.release());
    };
    load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("sentari"), dataFolder() + QStringLiteral("/translations"));
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
