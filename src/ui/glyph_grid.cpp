#include "glyph_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace kv::ui {

GlyphGrid::GlyphGrid(QWidget* parent) : QWidget(parent), grid_(FilledGrid(kTransparentCell))
{
    setObjectName(QStringLiteral("glyphGrid"));
    setFixedSize(sizeHint());
}

void GlyphGrid::showGrid(const Grid& grid)
{
    grid_ = grid;
    update();
}

int GlyphGrid::pitch() const
{
    // Cells of 130 twips on a 135-twip pitch.
    return qMax(4, (135 * logicalDpiX() + 720) / 1440);
}

QRect GlyphGrid::cellRect(int cell) const
{
    const int step = pitch();
    return {(cell % kGlyphWidth) * step, (cell / kGlyphWidth) * step, step - 1, step - 1};
}

int GlyphGrid::cellAt(QPoint point) const
{
    const int step = pitch();
    if (point.x() < 0 || point.y() < 0)
        return -1;
    const int column = point.x() / step;
    const int row = point.y() / step;
    return column < kGlyphWidth && row < kGlyphHeight ? row * kGlyphWidth + column : -1;
}

QSize GlyphGrid::sizeHint() const
{
    return {kGlyphWidth * pitch(), kGlyphHeight * pitch()};
}

void GlyphGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    for (int cell = 0; cell < kGlyphPixels; ++cell)
        painter.fillRect(cellRect(cell), QColor::fromRgb(grid_[cell]));
}

void GlyphGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    lastCell_ = cellAt(event->position().toPoint());
    if (lastCell_ >= 0)
        emit cellPressed(lastCell_);
}

void GlyphGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int cell = cellAt(event->position().toPoint());
    // Moving within a cell or off the grid is no step; only entering another cell is.
    if (lastCell_ < 0 || cell < 0 || cell == lastCell_)
        return;
    lastCell_ = cell;
    emit cellEntered(cell);
}

void GlyphGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    lastCell_ = -1;
    emit released();
}

} // namespace kv::ui
