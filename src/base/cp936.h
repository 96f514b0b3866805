#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

// Code page 936 (GBK), the unit's and the operators' code page. This module is the
// only place that converts text to or from it.

// Encodes text; returns nothing when a character has no code in code page 936, and
// then names the first such character in *unencodable.
std::optional<QByteArray> EncodeCp936(const QString& text, QString* unencodable = nullptr);

// Decodes bytes; a byte sequence with no meaning becomes U+FFFD, and then *whole, when
// given, is false.
QString DecodeCp936(const QByteArray& bytes, bool* whole = nullptr);

// Reads a file's bytes as UTF-8 when they are valid UTF-8, else as code page 936.
// *readable, when given, is false when they are neither.
QString DecodeUtf8OrCp936(const QByteArray& bytes, bool* readable = nullptr);

} // namespace kv
