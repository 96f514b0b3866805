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
    // The widest picture the caller could take; the surface is never drawn wider, as
    // ink beyond it is refused however far it reaches. 0 draws the whole line.
    int widestUseful = 0;
};

// The picture, or nothing when it cannot be drawn (a font size of 0 or less, a surface
// that cannot be allocated). Its width is TextLineWidth, cut to widestUseful.
std::optional<QImage> RenderTextLine(const TextLineInput& input);
std::optional<QImage> PrintTextLine(const TextLineInput& input);

// The picture's width in pixels for the line; a line that passes widestUseful is taken
// to be at least that wide, however long it is.
int TextLineWidth(const TextLineInput& input);

} // namespace kv
