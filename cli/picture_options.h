#pragma once

#include "command_options.h"

#include <QImage>
#include <QString>
#include <optional>

namespace kv::cli {

class CliContext;

// Options shared by kvctl's static sends and edit pages.

// A selector option given as its item index; false when it is given and names no item
// of items (a usage error, options.problem() says why).
bool ReadIndexOption(CommandOptions& options, const QString& name, const QStringList& items, int& index);
// --vshift: the vertical shift −20 … 20, kept as the selector's index (shift + 20).
bool ReadShiftOption(CommandOptions& options, int& index);
// The text of --text, or of the file of --text-file, line breaks as CR LF; nothing
// when neither is given. *failed is set (after the message) when the file could not be
// read.
std::optional<QString> ReadTextOption(CliContext& ctx, const CommandOptions& options, bool* failed);
// Writes --preview's PNG when the option is given and there is a picture; false (after
// the message) when it could not be written.
bool WritePreview(CliContext& ctx, const CommandOptions& options, const QImage& picture);

} // namespace kv::cli
