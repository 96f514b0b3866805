#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

class Prompter;

// Static text in the unit's built-in fonts (modes 8 and 9): the unit's two-byte
// character codes, each line break as the single byte FF.

// Encodes a text; nothing when a character has no unit code, and then *unencodable
// names it.
std::optional<QByteArray> EncodeStaticText(const QString& text, QString* unencodable = nullptr);

// The layout of a mode: cell height, characters per line, bytes per character cell and
// bytes per cell row.
struct StaticTextLayout {
    int cellHeight;
    int wrapWidth;
    int cellBytes;
    int rowBytes;
};
StaticTextLayout LayoutOfMode(int mode);

// Lays the text out for the mode: blank lines folded, lines wrapped at the mode's
// width. A layout taller than the screen's 480 scan lines is told and goes on; one
// whose dot data exceeds the unit's buffer is refused with its message (empty result).
QString CheckStaticText(const QString& text, int mode, int lineSpacing, Prompter& prompter);

QString ScanLinesExceededText();
QString BufferExceededText();

} // namespace kv
