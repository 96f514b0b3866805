#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

namespace kv::ui {

// The 256 characters of the font as a table of 16 x 16 thumbnails, code = 16 x row +
// column. Each thumbnail is 25 x 37 pixels: the record at double size, one pixel of
// gap to its neighbours. The character under edit is hidden.
class CharacterList : public QWidget {
    Q_OBJECT
public:
    static constexpr int kThumbWidth = 25;
    static constexpr int kThumbHeight = 37;
    static constexpr int kLeft = 8;

    explicit CharacterList(QWidget* parent = nullptr);

    // Draws the thumbnail of code from a record.
    void drawThumbnail(int code, const QByteArray& record);
    const QImage& thumbnail(int code) const { return thumbnails_[code]; }
    static QImage ThumbnailOf(const QByteArray& record);

    void setHiddenCode(std::optional<int> code);
    std::optional<int> hiddenCode() const { return hidden_; }

    QPoint thumbnailOrigin(int code) const;
    QSize sizeHint() const override;

signals:
    void characterClicked(int code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int top() const;

    std::array<QImage, 256> thumbnails_;
    std::optional<int> hidden_;
};

} // namespace kv::ui
