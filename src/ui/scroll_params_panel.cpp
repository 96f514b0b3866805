#include "scroll_params_panel.h"

#include "base/display_effects.h"
#include "text/operator_text.h"
#include "widget_kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

ScrollParamsPanel::ScrollParamsPanel(PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context)
{
    repetition_ = binder_.bindSelector(RepetitionItems(), &ScrollParams::repetition, this);
    brightness_ = binder_.bindSelector(BrightnessItems(), &ScrollParams::brightness, this);
    background_ = binder_.bindSelector(ScrollBackgroundItems(), &ScrollParams::background, this);
    barAbove_ = binder_.bindSelector(BarHeightItems(), &ScrollParams::barAbove, this);
    barBelow_ = binder_.bindSelector(BarHeightItems(), &ScrollParams::barBelow, this);
    speed_ = binder_.bindSelector(SpeedItems(), &ScrollParams::speed, this);
    offset_ = binder_.bindSelector(HorizontalOffsetItems(), &ScrollParams::horizontalOffset, this);
    video_ = binder_.bindSelector(VideoInputItems(), &ScrollParams::videoInput, this);
    position_ = binder_.bindBox(&ScrollParams::verticalPosition, this);
    interval_ = binder_.bindBox(&ScrollParams::interval, this);
    GuardField(context_.prompter, position_, CheckVerticalPositionBox);
    GuardField(context_.prompter, interval_, CheckIntervalBox);
    save_ = binder_.bind(new QCheckBox(Text::tr("保存"), this), &ScrollParams::save);
    setButton_ = new QPushButton(Text::tr("设置参数"), this);
    connect(setButton_, &QPushButton::clicked, this, &ScrollParamsPanel::setParameters);

    auto* group = new QGroupBox(Text::tr("滚动参数设置"), this);
    auto* form = new QFormLayout(group);
    form->addRow(Text::tr("滚动次数"), repetition_);
    form->addRow(Text::tr("垂直位置"), position_);
    form->addRow(Text::tr("字符亮度"), brightness_);
    form->addRow(Text::tr("背景效果"), background_);
    form->addRow(Text::tr("背景条上端高度"), barAbove_);
    form->addRow(Text::tr("背景条下端高度"), barBelow_);
    form->addRow(Text::tr("滚动速度"), speed_);
    form->addRow(Text::tr("水平偏移"), offset_);
    form->addRow(Text::tr("视频输入"), video_);
    form->addRow(Text::tr("循环间隔时间"), interval_);
    form->addRow(save_, setButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
}

ScrollParams ScrollParamsPanel::params() const
{
    ScrollParams p;
    binder_.read(p);
    return p;
}

void ScrollParamsPanel::setParameters()
{
    const ScrollParams p = params();
    const AppFolder folder = context_.folder;
    context_.startOperation([=](const Operands& o) { SetScrollParameters(p, o.target, o.link, o.prompter, folder); });
}

} // namespace kv::ui
