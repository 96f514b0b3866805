#pragma once

// Text drawn into a picture: black on white, one line per CR LF, trimmed on the right to
// the last ink column and widened to a multiple of 16 columns, the unit's granularity.
// Everything here draws on a QImage with QPainter, never on a widget, so it runs on a
// worker thread as well; it needs a QGuiApplication for the fonts.

#include <QImage>
#include <QString>

namespace kv {

struct TextBlockInput {
    QString text;
    QString fontName;     // picked with PickFontName beforehand
    int size = 32;        // S: the font's pixel height
    int extraHeight = 0;  // E: 0..20, added below the last line
    int verticalShift = 0;// V: -20..20, negative moves the text up
    int lineSpacing = 0;  // L: 0..16 between lines
    bool bold = false;
};

// The largest picture any use of a text block takes.
constexpr int kWidestTextPicture = 816;
constexpr int kTallestTextPicture = 520;

// The trimmed picture: width x height pixels, the height exact whatever the text. The
// surface is never drawn wider than kWidestTextPicture + 16 columns, nor at all when the
// block is taller than twice kTallestTextPicture: a width above kWidestTextPicture then
// only says that the text reaches beyond every picture. The image is null when there is
// no ink (width 0) and when the block is not drawn; the width of a block not drawn
// comes from its glyph boxes.
struct RenderedText {
    QImage image;
    int width = 0;
    int height = 0;
};

// The surface is N x (S + L) + E - L pixels high; line i starts at (0, i x (S + L) + V).
RenderedText RenderTextBlock(const TextBlockInput& input);

// The width that keeps every ink pixel (anything not pure white) of the first width x
// height pixels: the rightmost ink column + 1, rounded up to a multiple of 16; 0 when
// there is no ink.
int TrimRightMargin(const QImage& surface, int width, int height);

} // namespace kv
