#pragma once

#include <QImage>
#include <QWidget>

namespace kv::ui {

// The picture as the unit gets it: black ink on white, drawn from the bytes that went
// (or would go) on the line, scaled to the widget without smoothing so every dot shows.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget* parent = nullptr);

    void showPicture(const QImage& picture);
    void clearPicture();
    const QImage& picture() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace kv::ui
