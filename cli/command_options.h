#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace kv::cli {

// One command's own arguments, read by QCommandLineParser: its flags, its options with
// a value (--name VALUE or --name=VALUE) and the words left over.
class CommandOptions {
public:
    // Names without their leading dashes.
    CommandOptions(const QStringList& flags, const QStringList& valued);

    // False when an option is unknown or lacks its value; a usage error.
    bool parse(const QStringList& args);

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    // The value given last.
    QString value(const QString& name) const;
    QStringList positional() const { return parser_.positionalArguments(); }

private:
    QCommandLineParser parser_;
};

} // namespace kv::cli
