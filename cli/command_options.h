#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace kv::cli {

// A whole number from low to high; nothing for any other text. Every number of the
// command line is read through this before anything is computed with it, so no value a
// script passes can overflow the arithmetic that follows.
std::optional<int> NumberIn(const QString& text, int low, int high);

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

    // A numeric option: when given, its whole number from low to high goes into value.
    // False when the value is no such number, a usage error that problem() then names;
    // value is left alone when the option is not given.
    bool readNumber(const QString& name, int low, int high, int& value);
    // A selector that lists shifts from -noShift up (its item noShift is no shift): the
    // option gives the shift itself, and index becomes the shift's item. False as for
    // readNumber when the shift is past the selector's ends.
    bool readShift(const QString& name, int items, int noShift, int& index);
    // Why the last option read was refused; empty when none was.
    const QString& problem() const { return problem_; }

private:
    QCommandLineParser parser_;
    QString problem_;
};

} // namespace kv::cli
