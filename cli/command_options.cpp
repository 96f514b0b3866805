#include "command_options.h"

namespace kv::cli {

std::optional<int> NumberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

CommandOptions::CommandOptions(const QStringList& flags, const QStringList& valued)
{
    for (const QString& name : flags)
        parser_.addOption(QCommandLineOption(name));
    for (const QString& name : valued)
        parser_.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
}

bool CommandOptions::parse(const QStringList& args)
{
    // kvctl's commands never took "--" as the end of their options; it stays a usage error.
    if (args.contains(QLatin1String("--")))
        return false;
    return parser_.parse(QStringList{QStringLiteral("kvctl")} + args);
}

QString CommandOptions::value(const QString& name) const
{
    const QStringList values = parser_.values(name);
    return values.isEmpty() ? QString() : values.last();
}

bool CommandOptions::readNumber(const QString& name, int low, int high, int& value)
{
    if (!isSet(name))
        return true;
    const auto number = NumberIn(this->value(name), low, high);
    if (!number) {
        problem_ = QStringLiteral("--%1 takes a whole number from %2 to %3").arg(name).arg(low).arg(high);
        return false;
    }
    value = *number;
    return true;
}

bool CommandOptions::readShift(const QString& name, int items, int noShift, int& index)
{
    int shift = index - noShift;
    if (!readNumber(name, -noShift, items - 1 - noShift, shift))
        return false;
    index = shift + noShift;
    return true;
}

} // namespace kv::cli
