#pragma once

#include <QString>
#include <optional>

namespace kv::cli {

class CliContext;

// The text of a file given with --text-file: UTF-8, or code page 936 (the encoding of
// the studios' older machines) when it is not valid UTF-8, as the help texts are read.
// Nothing, after the message, when the file cannot be read or is neither.
std::optional<QString> ReadTextFile(CliContext& ctx, const QString& path);

} // namespace kv::cli
