#pragma once

#include "font/font_record.h"

#include <QWidget>

namespace kv::ui {

// The enlarged 12 x 18 grid of the character under edit. It shows a Grid and reports
// the pointer: the cell the button went down on, each other cell the held pointer
// enters, and the release. What a press does is the editor's business.
class GlyphGrid : public QWidget {
    Q_OBJECT
public:
    explicit GlyphGrid(QWidget* parent = nullptr);

    void showGrid(const Grid& grid);
    const Grid& grid() const { return grid_; }
    // The cell under a point of the widget, or -1.
    int cellAt(QPoint point) const;
    QRect cellRect(int cell) const;
    QSize sizeHint() const override;

signals:
    void cellPressed(int cell);
    void cellEntered(int cell);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int pitch() const;

    Grid grid_;
    int lastCell_ = -1;
};

} // namespace kv::ui
