#pragma once

// Text blocks split into lines and measured, in twips, the way the rendered pictures
// are sized.

#include <QString>
#include <QStringList>

namespace kv {

// The lines of a text block: split at CR LF (a lone LF counts as a break too); an
// empty text is one empty line.
QStringList TextBlockLines(const QString& text);

struct LineMeasure {
    QStringList lines;
    int widestTwips = 0;
    int widestIndex = 0; // the first of equally wide lines
    int lineCount() const { return int(lines.size()); }
};

// Measures each line in the font at a point size of 3/4 of the pixel size, as a
// 96-dpi label would show it; widths in twips. Needs a QGuiApplication.
LineMeasure MeasureLines(const QString& fontName, int pixelSize, const QString& text, bool bold);

} // namespace kv
