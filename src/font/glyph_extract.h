#pragma once

#include "base/position_time_checks.h"

#include <QByteArray>
#include <QString>

namespace kv {

// What the extraction boxes hold.
struct GlyphExtraction {
    QString family = QStringLiteral("Microsoft Sans Serif");
    int pixelSize = 12;
    bool bold = false;
    QString text = QStringLiteral("温");
    int xOffset = 0;
    int yOffset = 0;
};

// Draws the text black on white into a 12 x 18 picture, one line per CR LF, each
// line starting at the offsets; ink becomes white (10), paper transparent (11).
// Needs a QGuiApplication for the font database.
QByteArray ExtractGlyph(const GlyphExtraction& input);

// The size box: a number whose square is at most 96 256.
BoxVerdict CheckGlyphSizeBox(const QString& text);
// The offset boxes: a decimal number, or empty. Spaces are removed before the check;
// the caller puts the cleaned text back into the box.
QString WithoutSpaces(const QString& text);
BoxVerdict CheckOffsetBox(const QString& text);

} // namespace kv
