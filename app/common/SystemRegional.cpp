#include "app/common/SystemRegional.h"

#include <QLocale>
#include <QString>

namespace {

// Removes the time-zone letters ("t", "tt", ...) outside quoted text, and the
// blanks that joined them to the rest ("HH:mm:ss t" -> "HH:mm:ss").
std::string WithoutTimeZone(const QString& format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) {
            while (out.endsWith(QLatin1Char(' '))) out.chop(1);
            while (i + 1 < format.size() && (format[i + 1] == QLatin1Char('t') || format[i + 1] == QLatin1Char(' ')))
                ++i;
            continue;
        }
        out += c;
    }
    return out.trimmed().toStdString();
}

} // namespace

Regional SystemRegional()
{
    const QLocale locale = QLocale::system();
    Regional regional;
    regional.decimalSeparator = locale.decimalPoint().toStdString();
    regional.thousandsSeparator = locale.groupSeparator().toStdString();
    regional.shortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    regional.longTimeFormat = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return regional;
}

bool SystemLocaleHasRegionalPreference()
{
    return QLocale::system().language() != QLocale::C;
}

Regional UsersRegional()
{
    return SystemLocaleHasRegionalPreference() ? SystemRegional() : Regional::Russian();
}
