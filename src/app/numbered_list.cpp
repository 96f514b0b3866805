#include "app/numbered_list.h"

#include "app/line_ends.h"

namespace kv {

namespace {
constexpr int kDisplayBytes = 64;

// Code page 936 gives one byte to ASCII and two to every other character it holds.
int displayBytes(QChar c)
{
    return c.unicode() < 0x80 ? 1 : 2;
}
} // namespace

QString UnknownItemText()
{
    return QStringLiteral("计算机无信息记录(设备端未知)");
}

QString NumberedLabel(int number)
{
    return (number < 10 ? QStringLiteral("[0") : QStringLiteral("[")) + QString::number(number)
           + QStringLiteral("]:");
}

QStringList PlaceholderList(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << NumberedLabel(n) + UnknownItemText();
    return lines;
}

QStringList LoadNumberedList(const RecordStore& store, const QString& name, int count, QString* error)
{
    if (const auto lines = store.readLines(name))
        return lines->mid(0, count);
    const QStringList lines = PlaceholderList(count);
    store.writeLines(name, lines, error);
    return lines;
}

QString ShortenListLine(const QString& line)
{
    int total = 0;
    for (QChar c : line)
        total += displayBytes(c);
    if (total <= kDisplayBytes)
        return line;
    QString shortened;
    int count = 0;
    for (QChar c : line) {
        shortened += c;
        count += displayBytes(c);
        if (count > kDisplayBytes)
            break;
    }
    return shortened + QStringLiteral(" …");
}

QString ListDisplayText(const QStringList& lines)
{
    QStringList shown;
    for (const QString& line : lines)
        shown << ShortenListLine(line);
    return JoinLines(shown);
}

} // namespace kv
