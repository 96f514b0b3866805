#include "picture_text_panel.h"

#include "base/prompter.h"
#include "base/send_modes.h"
#include "model_selector.h"
#include "picture/font_list.h"
#include "picture/picture_lists.h"
#include "scroll/picture_text_layout.h"
#include "scroll/picture_text_send.h"
#include "scroll/scroll_picture_message.h"
#include "text/operator_text.h"
#include "widget_kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
constexpr int kTextLines = 3;
constexpr int kPictureAreaHeight = 72;
} // namespace

PictureTextPanel::PictureTextPanel(PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context), store_(context.folder), fonts_(BuildFontList())
{
    createScrollInputs();
    createMessageInputs();
    createPictureArea();

    auto* inputs = new QVBoxLayout;
    inputs->addLayout(arrangeTextRow());
    inputs->addLayout(arrangeChoices());
    inputs->addLayout(arrangeMessageRow());
    auto* group = new QGroupBox(Text::tr("编辑滚动信息"), this);
    auto* inner = new QHBoxLayout(group);
    inner->addLayout(inputs, 3);
    inner->addWidget(pictureArea_, 2, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    restoreSettings();
}

void PictureTextPanel::createScrollInputs()
{
    text_ = new QPlainTextEdit(this);
    text_->setFixedHeight(LinesHeight(*text_, kTextLines));
    count_ = new QLabel(this);
    connect(text_, &QPlainTextEdit::textChanged, this, &PictureTextPanel::countCharacters);
    font_ = new QComboBox(this);
    font_->addItems(fonts_);
    font_->setMaximumWidth(240);
    size_ = new QComboBox(this);
    size_->addItems(PictureTextSizeItems());
    bold_ = new QCheckBox(Text::tr("粗体"), this);
    adjustment_ = new QComboBox(this);
    adjustment_->addItems(VerticalAdjustmentItems());
    FollowDeviceModel(context_, adjustment_);
    filterNoise_ = new QCheckBox(Text::tr("过滤噪声"), this);
    powerOn_ = new QCheckBox(Text::tr("并保存为开机"), this);
    send_ = new QPushButton(Text::tr("发送滚动"), this);
    connect(send_, &QPushButton::clicked, this, &PictureTextPanel::sendScroll);
    elapsed_ = new QLabel(this);
}

void PictureTextPanel::createMessageInputs()
{
    messageSize_ = new QComboBox(this);
    messageSize_->addItems({Text::tr("大号"), Text::tr("小号")});
    messageNumber_ = new QComboBox(this);
    for (int n = 1; n <= kPictureMessages; ++n)
        messageNumber_->addItem(QString::number(n));
    download_ = new QPushButton(Text::tr("下载图片"), this);
    connect(download_, &QPushButton::clicked, this, &PictureTextPanel::downloadPicture);
}

void PictureTextPanel::createPictureArea()
{
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureArea_ = new QScrollArea(this);
    pictureArea_->setWidget(picture_);
    pictureArea_->setWidgetResizable(false);
    pictureArea_->setFixedHeight(kPictureAreaHeight);
}

QHBoxLayout* PictureTextPanel::arrangeTextRow()
{
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(text_, 1);
    textRow->addWidget(count_, 0, Qt::AlignTop);
    return textRow;
}

QGridLayout* PictureTextPanel::arrangeChoices()
{
    auto* choices = new QGridLayout;
    choices->addWidget(new QLabel(Text::tr("字体"), this), 0, 0);
    choices->addWidget(font_, 0, 1);
    choices->addWidget(new QLabel(Text::tr("字符尺寸"), this), 0, 2);
    choices->addWidget(size_, 0, 3);
    choices->addWidget(bold_, 0, 4);
    choices->addWidget(new QLabel(Text::tr("垂直调整"), this), 1, 0);
    choices->addWidget(adjustment_, 1, 1);
    choices->addWidget(filterNoise_, 1, 2);
    choices->addWidget(powerOn_, 1, 3, 1, 2);
    choices->addWidget(send_, 2, 0, 1, 2);
    choices->addWidget(elapsed_, 2, 2, 1, 3);
    choices->setColumnStretch(5, 1);
    return choices;
}

QHBoxLayout* PictureTextPanel::arrangeMessageRow()
{
    return PackedBox<QHBoxLayout>({new QLabel(Text::tr("图文短信尺寸"), this), messageSize_,
                                   new QLabel(Text::tr("图文短信编号"), this), messageNumber_, download_});
}

void PictureTextPanel::restoreSettings()
{
    const PictureTextSettings settings = LoadPictureTextSettings(store_);
    text_->setPlainText(settings.text);
    font_->setCurrentText(PickFontName(settings.fontName, fonts_));
    size_->setCurrentText(QString::number(settings.size));
    bold_->setChecked(settings.bold);
    adjustment_->setCurrentIndex(settings.verticalAdjustment);
    filterNoise_->setChecked(settings.filterNoise);
}

PictureTextSettings PictureTextPanel::settings() const
{
    PictureTextSettings settings;
    settings.size = size_->currentText().toInt();
    settings.verticalAdjustment = adjustment_->currentIndex();
    settings.fontName = font_->currentText();
    settings.bold = bold_->isChecked();
    settings.text = text_->toPlainText();
    settings.filterNoise = filterNoise_->isChecked();
    return settings;
}

void PictureTextPanel::countCharacters()
{
    count_->setText(Text::tr("字符数：%1").arg(text_->toPlainText().toUcs4().size()));
}

void PictureTextPanel::sendScroll()
{
    PictureTextRequest request;
    request.settings = settings();
    request.powerOn = powerOn_->isChecked();
    request.target = context_.target();
    request.fonts = fonts_;
    send_->setEnabled(false);
    const bool started = context_.startOperation<PictureTextOutcome>(
        [request, store = store_](const Operands& o) { return SendPictureText(request, o.link, o.prompter, store); },
        [this](PictureTextOutcome outcome) {
            send_->setEnabled(true);
            if (outcome.picture.isNull())
                return;
            elapsed_->setText(ElapsedText(outcome.elapsedMs));
            font_->setCurrentText(outcome.settings.fontName);
            showPicture(outcome.picture);
        });
    if (!started)
        send_->setEnabled(true);
}

void PictureTextPanel::downloadPicture()
{
    ScrollPictureMessageRequest request;
    request.number = messageNumber_->currentIndex() + 1;
    request.smallCells = messageSize_->currentIndex() == 1;
    request.powerOn = powerOn_->isChecked();
    request.target = context_.target();
    const int mode = request.smallCells ? kModeSmallPictureMessage : kModeLargePictureMessage;
    context_.startOperation<ScrollPictureMessageOutcome>(
        [request, store = store_](const Operands& o) {
            return StoreScrollPictureMessage(request, o.link, o.prompter, store);
        },
        [this, mode](ScrollPictureMessageOutcome outcome) {
            if (outcome.picture.isNull())
                return;
            showPicture(outcome.picture);
            emit pictureMessageStored(mode);
        });
}

void PictureTextPanel::showPicture(const QImage& picture)
{
    picture_->setPixmap(QPixmap::fromImage(picture));
    picture_->resize(picture.size());
}

} // namespace kv::ui
