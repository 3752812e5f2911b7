#include "tray/joinlines.h"

#include <QStringList>

namespace sentari::tray {

QString joinLines(const QString& source)
{
    // The clipboard of this desktop separates lines with LF; Windows programs with CR LF.
    QString normalised = source;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList parts = normalised.split(QLatin1Char('\n'));
    QString result;
    bool collecting = false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool final = i == parts.size() - 1;
        if (!collecting) {
            if (final) {
                result = parts[i];
            } else if (!parts[i].isEmpty()) {
                result = parts[i];
                collecting = true;
            }
            continue;
        }
        result += QLatin1Char(' ');
        result += parts[i];
    }
    return result;
}

} // namespace sentari::tray
