#include "scroll_params_panel.h"

#include "base/prompter.h"
#include "operation_runner.h"
#include "base/display_effects.h"

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
    const ScrollParams start;
    repetition_ = selector(RepetitionItems(), start.repetition);
    brightness_ = selector(BrightnessItems(), start.brightness);
    background_ = selector(ScrollBackgroundItems(), start.background);
    barAbove_ = selector(BarHeightItems(), start.barAbove);
    barBelow_ = selector(BarHeightItems(), start.barBelow);
    speed_ = selector(SpeedItems(), start.speed);
    offset_ = selector(HorizontalOffsetItems(), start.horizontalOffset);
    video_ = selector(VideoInputItems(), start.videoInput);
    position_ = new QLineEdit(start.verticalPosition, this);
    interval_ = new QLineEdit(start.interval, this);
    guardBox(position_, CheckVerticalPositionBox);
    guardBox(interval_, CheckIntervalBox);
    save_ = new QCheckBox(QStringLiteral("保存"), this);
    setButton_ = new QPushButton(QStringLiteral("设置参数"), this);
    connect(setButton_, &QPushButton::clicked, this, &ScrollParamsPanel::setParameters);

    auto* group = new QGroupBox(QStringLiteral("滚动参数设置"), this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("滚动次数"), repetition_);
    form->addRow(QStringLiteral("垂直位置"), position_);
    form->addRow(QStringLiteral("字符亮度"), brightness_);
    form->addRow(QStringLiteral("背景效果"), background_);
    form->addRow(QStringLiteral("背景条上端高度"), barAbove_);
    form->addRow(QStringLiteral("背景条下端高度"), barBelow_);
    form->addRow(QStringLiteral("滚动速度"), speed_);
    form->addRow(QStringLiteral("水平偏移"), offset_);
    form->addRow(QStringLiteral("视频输入"), video_);
    form->addRow(QStringLiteral("循环间隔时间"), interval_);
    form->addRow(save_, setButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
}

QComboBox* ScrollParamsPanel::selector(const QStringList& items, int start)
{
    auto* box = new QComboBox(this);
    box->addItems(items);
    box->setCurrentIndex(start);
    return box;
}

// Checked on every change: a bad value shows its message and the box takes its reset value.
void ScrollParamsPanel::guardBox(QLineEdit* box, BoxVerdict (*check)(const QString&))
{
    connect(box, &QLineEdit::textEdited, this, [this, box, check](const QString& text) {
        const BoxVerdict verdict = check(text);
        if (verdict.ok())
            return;
        context_.prompter.error(verdict.message);
        box->setText(verdict.resetTo);
    });
}

ScrollParams ScrollParamsPanel::params() const
{
    ScrollParams p;
    p.repetition = repetition_->currentIndex();
    p.verticalPosition = position_->text();
    p.brightness = brightness_->currentIndex();
    p.background = background_->currentIndex();
    p.barAbove = barAbove_->currentIndex();
    p.barBelow = barBelow_->currentIndex();
    p.speed = speed_->currentIndex();
    p.horizontalOffset = offset_->currentIndex();
    p.videoInput = video_->currentIndex();
    p.interval = interval_->text();
    p.save = save_->isChecked();
    return p;
}

void ScrollParamsPanel::setParameters()
{
    const ScrollParams p = params();
    const TargetChoice target = context_.target();
    Link* link = &context_.link;
    const AppFolder folder = context_.folder;
    context_.runner.run([=](Prompter& prompter) { SetScrollParameters(p, target, *link, prompter, folder); });
}

} // namespace kv::ui
