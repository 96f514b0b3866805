#include "command_options.h"

namespace kv::cli {

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

} // namespace kv::cli
