#pragma once

#include "base/record_store.h"
#include "panel_context.h"
#include "scroll/picture_text_settings.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace kv::ui {

// The panel "编辑滚动信息": a text drawn with a font of this computer and sent as a
// scrolling picture ("发送滚动"), and a picture file stored as a picture message
// ("下载图片"). The last picture sent is shown at the panel's right.
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
    QComboBox* messageSizeList() const { return messageSize_; }
    QComboBox* messageNumberList() const { return messageNumber_; }
    QPushButton* downloadButton() const { return download_; }
    QLabel* pictureLabel() const { return picture_; }

signals:
    // A picture message was stored; mode is the send mode whose list records it.
    void pictureMessageStored(int mode);

private:
    // The steps that build the panel: its widgets first, then the rows they stand in.
    void createScrollInputs();
    void createMessageInputs();
    void createPictureArea();
    QHBoxLayout* arrangeTextRow();
    QGridLayout* arrangeChoices();
    QHBoxLayout* arrangeMessageRow();
    void countCharacters();
    void sendScroll();
    void downloadPicture();
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
    QComboBox* messageSize_ = nullptr;
    QComboBox* messageNumber_ = nullptr;
    QPushButton* download_ = nullptr;
    QScrollArea* pictureArea_ = nullptr;
    QLabel* picture_ = nullptr;
};

} // namespace kv::ui
