#pragma once

// One line of text in a picture one cell high (32 or 48 pixels), for the picture-text
// scroll messages: RenderTextLine draws it anti-aliased, PrintTextLine two-level. The
// width is the measured text plus a little room, a multiple of the font size. Both run
// on a QImage (a worker thread is fine) and need a QGuiApplication.

#include <QImage>
#include <QString>
#include <optional>

namespace kv {

struct TextLineInput {
    QString text;           // one line: the caller has turned line breaks into spaces
    QString fontName;       // picked with PickFontName beforehand
    int cellHeight = 48;
    int sizeAdjustment = 0; // the font's pixel size is cellHeight + sizeAdjustment
    int verticalOffset = 0;
    bool bold = false;
};

// The picture, or nothing when it cannot be drawn (a font size of 0 or less, a surface
// that cannot be allocated).
std::optional<QImage> RenderTextLine(const TextLineInput& input);
std::optional<QImage> PrintTextLine(const TextLineInput& input);

// The picture's width in pixels for the line.
int TextLineWidth(const TextLineInput& input);

} // namespace kv
