#include "edit_page_panel.h"

#include "app/help_topics.h"
#include "base/display_effects.h"
#include "base/prompter.h"
#include "base/unit_text.h"
#include "model_selector.h"
#include "picture/font_list.h"
#include "picture/page_operations.h"
#include "picture/picture_purposes.h"
#include "picture/text_purposes.h"
#include "picture_preview.h"
#include "text/operator_text.h"
#include "turned_text.h"
#include "widget_kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

EditPagePanel::EditPagePanel(PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context), store_(context.folder)
{
    QHBoxLayout* kinds = createKindButtons();
    title_ = new QLabel(this);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    title_->setFont(titleFont);

    editor_ = new QPlainTextEdit(this);
    editor_->setPlaceholderText(Text::tr("直接输入字符转换为图片"));
    editor_->setMinimumHeight(80);
    createTextInputs();
    createDisplayInputs();
    QHBoxLayout* buttons = createButtons();
    QGroupBox* textGroup = arrangeTextGroup();
    QGroupBox* showGroup = arrangeShowGroup();
    preview_ = new PicturePreview(this);

    auto* fields = new QHBoxLayout;
    fields->addWidget(textGroup);
    fields->addWidget(showGroup);
    auto* left = new QVBoxLayout;
    left->addWidget(editor_, 1);
    left->addLayout(fields);
    left->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addWidget(preview_, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(title_);
    layout->addLayout(body, 1);

    openKind(EditPageKind::LogoText);
}

QHBoxLayout* EditPagePanel::createKindButtons()
{
    auto* kinds = new QHBoxLayout;
    for (int k = 0; k < kEditPageKinds; ++k) {
        const auto kind = EditPageKind(k);
        kindButtons_[k] = new QPushButton(KindInfo(kind).button, this);
        connect(kindButtons_[k], &QPushButton::clicked, this, [this, kind] {
            openKind(kind);
            context_.setHelpContext(kHelpContextPictureEditor);
        });
        kinds->addWidget(kindButtons_[k]);
    }
    kinds->addStretch(1);
    return kinds;
}

void EditPagePanel::createTextInputs()
{
    font_ = new QComboBox(this);
    font_->setEditable(false);
    const QStringList fonts = BuildFontList();
    font_->addItems(fonts);
    // A font that is not installed shows as the one that will draw the text.
    font_->setCurrentText(PickFontName(EditPage{}.fontName, fonts));
    sizeLabel_ = new QLabel(this);
    size_ = binder_.bindBox(&EditPage::size, this);
    size_->setMaximumWidth(64);
    GuardField(context_.prompter, size_, CheckPageSizeField);
    bold_ = binder_.bind(new QCheckBox(Text::tr("粗体"), this), &EditPage::bold);
    lineSpacing_ = binder_.bindSelector(LineSpacingItems(), &EditPage::lineSpacing, this);
    context_.onDeviceModelChanged(
        [this](int) { verticalShift_->setEnabled(!IsPictureKind(page_.kind) && VerticalAdjustAllowed(context_)); });
    verticalShift_ = binder_.bindSelector(VerticalShiftItems(), &EditPage::verticalShift, this);
    extraHeight_ = binder_.bindSelector(ExtraHeightItems(), &EditPage::extraHeight, this);
    const DirectionButtons direction = MakeDirectionButtons(this);
    horizontal_ = direction.horizontal;
    vertical_ = direction.vertical;
    connect(vertical_, &QRadioButton::toggled, this, &EditPagePanel::directionChosen);
}

void EditPagePanel::createDisplayInputs()
{
    horizontalOffset_ = binder_.bindSelector(PageHorizontalOffsetItems(), &EditPage::horizontalOffset, this);
    verticalPosition_ = binder_.bindBox(&EditPage::verticalPosition, this);
    verticalPosition_->setMaximumWidth(64);
    GuardField(context_.prompter, verticalPosition_, CheckVerticalPositionBox);
    brightness_ = binder_.bindSelector(BrightnessItems(), &EditPage::brightness, this);
    background_ = binder_.bindSelector(PageBackgroundItems(), &EditPage::background, this);
    threshold_ = binder_.bindBox(&EditPage::threshold, this);
    threshold_->setMaximumWidth(64);
    GuardField(context_.prompter, threshold_, CheckThresholdField);
    powerOn_ = binder_.bind(new QCheckBox(Text::tr("并设为开机"), this), &EditPage::powerOn);
    // Opening another page keeps the slot the operator chose.
    slot_ = Selector(SlotItems(), EditPage{}.slot, this);
}

QHBoxLayout* EditPagePanel::createButtons()
{
    textDownload_ = new QPushButton(Text::tr("字符下载"), this);
    pictureDownload_ = new QPushButton(Text::tr("下载图片"), this);
    changeParameters_ = new QPushButton(Text::tr("修改参数"), this);
    connect(textDownload_, &QPushButton::clicked, this, &EditPagePanel::download);
    connect(pictureDownload_, &QPushButton::clicked, this, &EditPagePanel::download);
    connect(changeParameters_, &QPushButton::clicked, this, &EditPagePanel::changeParameters);
    return PackedBox<QHBoxLayout>({textDownload_, pictureDownload_, changeParameters_});
}

QGroupBox* EditPagePanel::arrangeTextGroup()
{
    auto* textGroup = new QGroupBox(Text::tr("字符"), this);
    auto* textForm = new QGridLayout(textGroup);
    textForm->addWidget(new QLabel(Text::tr("字体"), textGroup), 0, 0);
    textForm->addWidget(font_, 0, 1, 1, 3);
    textForm->addWidget(sizeLabel_, 1, 0);
    textForm->addWidget(size_, 1, 1);
    textForm->addWidget(bold_, 1, 2);
    textForm->addWidget(new QLabel(Text::tr("行距"), textGroup), 2, 0);
    textForm->addWidget(lineSpacing_, 2, 1);
    textForm->addWidget(new QLabel(Text::tr("垂直调整"), textGroup), 3, 0);
    textForm->addWidget(verticalShift_, 3, 1);
    textForm->addWidget(new QLabel(Text::tr("显示增高"), textGroup), 4, 0);
    textForm->addWidget(extraHeight_, 4, 1);
    textForm->addWidget(horizontal_, 2, 2);
    textForm->addWidget(vertical_, 3, 2);
    return textGroup;
}

QGroupBox* EditPagePanel::arrangeShowGroup()
{
    auto* showGroup = new QGroupBox(Text::tr("显示"), this);
    auto* showForm = new QFormLayout(showGroup);
    showForm->addRow(Text::tr("水平偏移"), horizontalOffset_);
    showForm->addRow(Text::tr("垂直位移"), verticalPosition_);
    showForm->addRow(Text::tr("亮度"), brightness_);
    showForm->addRow(Text::tr("背景"), background_);
    showForm->addRow(Text::tr("灰度阀值调整"), threshold_);
    showForm->addRow(Text::tr("图文位置"), slot_);
    showForm->addRow(powerOn_);
    return showGroup;
}

void EditPagePanel::openKind(EditPageKind kind)
{
    page_ = OpenEditPage(kind, page(), store_);
    showPage(page_);
}

void EditPagePanel::showPage(const EditPage& page)
{
    const EditPageKindInfo& info = KindInfo(page.kind);
    title_->setText(info.title);
    sizeLabel_->setText(info.sizeLabel);
    for (int k = 0; k < kEditPageKinds; ++k)
        kindButtons_[k]->setEnabled(k != int(page.kind));

    // The turned text is what the page keeps; a record read back in "文字纵排" shows it
    // as it was sent. The text kept aside belongs to the direction buttons alone: the
    // operator's own text comes back with "文字横排" whatever page was opened since.
    const QSignalBlocker blockVertical(vertical_);
    editor_->setPlainText(page.text);
    horizontal_->setChecked(page.horizontal);
    vertical_->setChecked(!page.horizontal);
    ShowTurnedText(*editor_, !page.horizontal);

    font_->setCurrentText(PickFontName(page.fontName, BuildFontList()));
    binder_.show(page);
    powerOn_->setEnabled(!PowerOnLocked(page.kind));

    const bool picture = IsPictureKind(page.kind);
    textDownload_->setVisible(!picture);
    pictureDownload_->setVisible(picture);
    for (QWidget* textOnly : std::initializer_list<QWidget*>{font_, lineSpacing_, extraHeight_})
        textOnly->setEnabled(!picture);
    verticalShift_->setEnabled(!picture && VerticalAdjustAllowed(context_));
    editor_->setEnabled(!picture);
}

EditPage EditPagePanel::page() const
{
    EditPage page = page_;
    if (!editor_)
        return page;
    binder_.read(page);
    page.text = WithCrLfLineBreaks(editor_->toPlainText());
    page.fontName = font_->currentText();
    page.horizontal = horizontal_->isChecked();
    page.slot = slot_->currentIndex();
    return page;
}

void EditPagePanel::directionChosen(bool vertical)
{
    ChooseDirection(vertical, *editor_, horizontalText_, {horizontal_, vertical_}, TurnedTextUse::CharacterDownload,
                    context_.prompter);
}

void EditPagePanel::download()
{
    const EditPage page = this->page();
    context_.startOperation<PageSendOutcome>(
        [page, store = store_](const Operands& o) {
            return IsPictureKind(page.kind) ? DownloadPagePicture(page, o.target, o.link, o.prompter, store)
                                            : DownloadPageText(page, o.target, o.link, o.prompter, store);
        },
        [this](PageSendOutcome outcome) {
            if (!outcome.preview.isNull())
                preview_->showPicture(outcome.preview);
        });
}

void EditPagePanel::changeParameters()
{
    const EditPage page = this->page();
    context_.startOperation(
        [page, store = store_](const Operands& o) { ChangePageParameters(page, o.target, o.link, o.prompter, store); });
}

} // namespace kv::ui
