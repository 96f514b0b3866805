#include "base/numbered_list.h"

#include "base/line_ends.h"

#include <QRegularExpression>
#include <optional>

namespace kv {

namespace {
constexpr int kDisplayBytes = 64;

// Code page 936 gives one byte to ASCII and two to every other character it holds.
int displayBytes(QChar c)
{
    return c.unicode() < 0x80 ? 1 : 2;
}

// The number a line's label names ("[06]:" and "[6]:" name 6).
std::optional<int> labelledNumber(const QString& line)
{
    static const QRegularExpression label(QStringLiteral("^\\[(\\d{1,4})\\]:"));
    const QRegularExpressionMatch match = label.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}
// The list as stored, nothing when there is none. False, with *error the reason, when
// it is there but cannot be read: it is then left as it is.
bool readStored(const RecordStore& store, const QString& name, qint64 limit, std::optional<QStringList>& stored,
                QString* error)
{
    QString problem;
    stored = store.readLines(name, limit, &problem);
    if (problem.isEmpty())
        return true;
    if (error)
        *error = problem;
    return false;
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

QStringList CompleteNumberedList(const QStringList& lines, int count)
{
    if (lines.size() == count)
        return lines;
    // A line lost or added by hand must not move the others onto numbers not theirs:
    // the unit holds each item under its number.
    QStringList complete = PlaceholderList(count);
    QList<bool> named(count, false);
    for (const QString& line : lines) {
        const auto number = labelledNumber(line);
        if (!number || *number < 1 || *number > count || named.at(*number - 1))
            continue;
        complete[*number - 1] = line;
        named[*number - 1] = true;
    }
    return complete;
}

qint64 NumberedListBytes(int count, qint64 descriptionBytes)
{
    // "[16]:" is as long as "[05]:"; CR LF stands between the lines.
    return count * (NumberedLabel(count).size() + descriptionBytes) + (count - 1) * kCrLf.size();
}

QStringList LoadNumberedList(const RecordStore& store, const QString& name, int count, qint64 limit,
                             QString* error)
{
    std::optional<QStringList> stored;
    if (!readStored(store, name, limit, stored, error))
        return {};
    if (stored && stored->size() == count)
        return *stored;
    const QStringList lines = CompleteNumberedList(stored.value_or(QStringList()), count);
    store.writeLines(name, lines, error);
    return lines;
}

bool RecordNumberedItem(const RecordStore& store, const QString& name, int count, qint64 limit, int number,
                        const QString& description, QString* error)
{
    if (number < 1 || number > count)
        return false;
    std::optional<QStringList> stored;
    if (!readStored(store, name, limit, stored, error))
        return false;
    QStringList lines = CompleteNumberedList(stored.value_or(QStringList()), count);
    lines[number - 1] = NumberedLabel(number) + description;
    return store.writeLines(name, lines, error);
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
