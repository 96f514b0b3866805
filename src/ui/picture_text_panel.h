#pragma once

#include "app/record_store.h"
#include "panel_context.h"
#include "scroll/picture_text_settings.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace kv::ui {

// The panel "编辑滚动信息": a text drawn with a font of this computer and sent as a
// scrolling picture ("发送滚动"). The last picture sent is shown at the panel's right.
class PictureTextPanel : public QWidget {
    Q_OBJECT
public:
    explicit PictureTextPanel(PanelContext& context, QWidget* parent = nullptr);

    // Opening the panel brings back the inputs of the last send from gdzfcs.TXT.
    void restoreSettings();
    PictureTextSettings settings() const;

    QPlainTextEdit* textBox() const { return text_; }
    QLabel* countLabel() const { return count_; }
    QComboBox* fontList() const { return font_; }
    QComboBox* sizeList() const { return size_; }
    QCheckBox* boldBox() const { return bold_; }
    QComboBox* adjustmentList() const { return adjustment_; }
    QCheckBox* filterNoiseBox() const { return filterNoise_; }
    QCheckBox* powerOnBox() const { return powerOn_; }
    QPushButton* sendButton() const { return send_; }
    QLabel* elapsedLabel() const { return elapsed_; }
    QLabel* pictureLabel() const { return picture_; }

private:
    void countCharacters();
    void sendScroll();
    void showPicture(const QImage& picture);

    PanelContext& context_;
    RecordStore store_;
    QStringList fonts_;

    QPlainTextEdit* text_ = nullptr;
    QLabel* count_ = nullptr;
    QComboBox* font_ = nullptr;
    QComboBox* size_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QComboBox* adjustment_ = nullptr;
    QCheckBox* filterNoise_ = nullptr;
    QCheckBox* powerOn_ = nullptr;
    QPushButton* send_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QScrollArea* pictureArea_ = nullptr;
    QLabel* picture_ = nullptr;
};

} // namespace kv::ui
