#include "picture/exact_lines.h"

#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/decimal_text.h"

namespace kv {

namespace {
// Far beyond any settings file, which holds at most one editor text.
constexpr qint64 kSettingsFileLimit = 256 * 1024;
} // namespace

std::optional<QStringList> ReadExactLines(const QString& path)
{
    const BoundedRead read = ReadWholeFile(path, kSettingsFileLimit);
    if (!read.ok())
        return std::nullopt;
    return DecodeCp936(read.bytes).split(QStringLiteral("\r\n"));
}

void ApplyIndexField(const QString& field, const QStringList& items, int& target)
{
    const auto value = DecimalValue(field.trimmed(), 4);
    if (value && *value < items.size())
        target = *value;
}

std::optional<bool> TickField(const QString& field)
{
    const QString value = field.trimmed();
    if (value == QLatin1String("0"))
        return false;
    if (value == QLatin1String("1"))
        return true;
    return std::nullopt;
}

} // namespace kv
