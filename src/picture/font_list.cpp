#include "picture/font_list.h"

#include <QFontDatabase>

namespace kv {

QStringList OrderFontList(const QStringList& families)
{
    QStringList latin;
    QStringList others;
    for (const QString& name : families) {
        if (name.isEmpty() || name.startsWith(QLatin1Char('@')))
            continue;
        (name.at(0).unicode() <= u'~' ? latin : others) << name;
    }
    return latin + others;
}

QStringList BuildFontList()
{
    return OrderFontList(QFontDatabase::families());
}

QString PickFontName(const QString& name, const QStringList& fonts)
{
    if (fonts.contains(name))
        return name;
    static const QStringList fallbacks = {
        QStringLiteral("Arial"),   QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Corbel"),
        QStringLiteral("Calibri"), QStringLiteral("Century Gothic"),
#ifdef Q_OS_LINUX
        QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
#endif
    };
    for (const QString& fallback : fallbacks)
        if (fonts.contains(fallback))
            return fallback;
    return QStringLiteral("Arial Narrow");
}

} // namespace kv
