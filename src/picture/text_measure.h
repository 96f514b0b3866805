#pragma once

// Text blocks split into lines and measured, in twips, the way the rendered pictures
// are sized.

#include <QFont>
#include <QString>
#include <QStringList>

namespace kv {

// The lines of a text block: split at CR LF (a lone LF counts as a break too); an
// empty text is one empty line.
QStringList TextBlockLines(const QString& text);

struct LineMeasure {
    QStringList lines;
    qint64 widestTwips = 0;
    int widestIndex = 0; // the first of equally wide lines
    int lineCount() const { return int(lines.size()); }
};

// Measures each line in the font at a point size of 3/4 of the pixel size, as a
// 96-dpi label would show it; widths in twips. With enoughPixels, a long line that
// passes that width on its first characters is taken as exactly that wide, so a line
// of any length costs little and never measures short. Needs a QGuiApplication.
LineMeasure MeasureLines(const QString& fontName, int pixelSize, const QString& text, bool bold,
                         int enoughPixels = 0);

// How far right a line drawn at x = 0 in the font leaves ink, in whole pixels, from the
// font's own glyph boxes and without drawing; trailing spaces leave none. The answer
// stops growing at `enough`, so a line of any length costs only its layout.
int InkExtent(const QFont& font, const QString& line, int enough);

} // namespace kv
