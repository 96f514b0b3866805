#include "static_send_inputs.h"

#include "base/display_effects.h"
#include "base/position_time_checks.h"
#include "picture/font_list.h"
#include "picture/text_purposes.h"
#include "text/operator_text.h"
#include "turned_text.h"
#include "widget_kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kv::ui {

StaticSendInputs::StaticSendInputs(Prompter& prompter, QWidget* parent) : QWidget(parent)
{
    const StaticSendFields start;
    font_ = new QComboBox(this);
    const QStringList fonts = BuildFontList();
    font_->addItems(fonts);
    // A font that is not installed shows as the one that will draw the text.
    font_->setCurrentText(PickFontName(start.fontName, fonts));
    size_ = binder_.bindBox(&StaticSendFields::size, this);
    size_->setMaximumWidth(64);
    GuardField(prompter, size_, CheckCustomFontSizeField);
    bold_ = binder_.bind(new QCheckBox(Text::tr("粗体"), this), &StaticSendFields::bold);
    lineSpacing_ = binder_.bindSelector(LineSpacingItems(), &StaticSendFields::lineSpacing, this);
    extraHeight_ = binder_.bindSelector(ExtraHeightItems(), &StaticSendFields::extraHeight, this);
    verticalShift_ = binder_.bindSelector(VerticalShiftItems(), &StaticSendFields::verticalShift, this);
    horizontalOffset_ = binder_.bindSelector(StaticHorizontalOffsetItems(), &StaticSendFields::horizontalOffset, this);
    verticalPosition_ = binder_.bindBox(&StaticSendFields::verticalPosition, this);
    verticalPosition_->setMaximumWidth(64);
    GuardField(prompter, verticalPosition_, CheckVerticalPositionBox);
    brightness_ = binder_.bindSelector(BrightnessItems(), &StaticSendFields::brightness, this);
    background_ = binder_.bindSelector(StaticBackgroundItems(), &StaticSendFields::background, this);
    const DirectionButtons direction = MakeDirectionButtons(this);
    horizontal_ = direction.horizontal;
    vertical_ = direction.vertical;
    connect(vertical_, &QRadioButton::toggled, this, &StaticSendInputs::directionChosen);

    QLabel* fontLabel = label(Text::tr("字体"));
    QLabel* sizeLabel = label(Text::tr("字符点阵"));
    QLabel* extraLabel = label(Text::tr("显示增高"));
    QLabel* shiftLabel = label(Text::tr("字符垂直调整"));
    QLabel* spacingLabel = label(Text::tr("行距"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(font_, 0, 1, 1, 3);
    grid->addWidget(sizeLabel, 0, 4);
    grid->addWidget(size_, 0, 5);
    grid->addWidget(bold_, 0, 6);
    grid->addWidget(spacingLabel, 1, 0);
    grid->addWidget(lineSpacing_, 1, 1);
    grid->addWidget(extraLabel, 1, 2);
    grid->addWidget(extraHeight_, 1, 3);
    grid->addWidget(shiftLabel, 1, 4);
    grid->addWidget(verticalShift_, 1, 5);
    grid->addWidget(horizontal_, 1, 6);
    grid->addWidget(vertical_, 1, 7);
    grid->addWidget(label(Text::tr("水平偏移")), 2, 0);
    grid->addWidget(horizontalOffset_, 2, 1);
    grid->addWidget(label(Text::tr("垂直位置")), 2, 2);
    grid->addWidget(verticalPosition_, 2, 3);
    grid->addWidget(label(Text::tr("亮度")), 2, 4);
    grid->addWidget(brightness_, 2, 5);
    grid->addWidget(label(Text::tr("背景")), 2, 6);
    grid->addWidget(background_, 2, 7);
    grid->setColumnStretch(8, 1);

    renderOnly_ = {fontLabel, font_, sizeLabel, size_, bold_, extraLabel, extraHeight_, shiftLabel, verticalShift_};
    textOnly_ = {spacingLabel, lineSpacing_, horizontal_, vertical_};
}

QLabel* StaticSendInputs::label(const QString& text)
{
    return new QLabel(text, this);
}

void StaticSendInputs::relayFor(int mode)
{
    const bool shown = mode >= 6 && mode <= 9;
    setVisible(shown);
    for (QWidget* input : renderOnly_)
        input->setVisible(mode == 6);
    for (QWidget* input : textOnly_)
        input->setVisible(mode == 6 || mode == 8 || mode == 9);
}

StaticSendFields StaticSendInputs::fields() const
{
    StaticSendFields out;
    binder_.read(out);
    out.fontName = font_->currentText();
    out.horizontal = horizontal_->isChecked();
    return out;
}

// The font and the direction stay as the operator chose them.
void StaticSendInputs::showFields(const StaticSendFields& fields)
{
    binder_.show(fields);
}

} // namespace kv::ui
