#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace kv {

// Reading a file of the application folder, or one the operator names, without
// trusting it: only a regular file is read (a FIFO, a device or a folder is refused
// before a byte is read, so a read never blocks), and never more than a bound that
// fits the file's use.

enum class ReadFailure { None, Missing, NotAFile, TooLarge, Unreadable };

struct BoundedRead {
    QByteArray bytes;
    ReadFailure failure = ReadFailure::None;
    QString reason; // the system's words when the file could not be opened or read
    bool ok() const { return failure == ReadFailure::None; }
};

// The whole file when it holds at most limit bytes; a larger file is TooLarge.
BoundedRead ReadWholeFile(const QString& path, qint64 limit);

// At most the first limit bytes of the file; the rest stays unread.
BoundedRead ReadFileStart(const QString& path, qint64 limit);

// Opens the file for reading in pieces, when it is a regular file; no bytes are read.
BoundedRead OpenRegularFile(const QString& path, QFile* file);

// Sized for the text files the program writes: data.txt holds at most 255 short pairs
// and the records are a few KiB, but for those that say what bound they need (the
// shortcut list); a file far beyond that is not one of ours.
constexpr qint64 kTextFileLimit = 256 * 1024;

// A scroll text the operator gives in a file: at most 2000 characters of up to four
// bytes each in UTF-8, with room for line ends; anything larger is no scroll text.
constexpr qint64 kScrollTextFileLimit = 16 * 1024;

// Why the file could not be read, for the operator: "无法读取文件 PATH：REASON".
QString ReadFailureText(const QString& path, const BoundedRead& read, qint64 limit);

} // namespace kv
