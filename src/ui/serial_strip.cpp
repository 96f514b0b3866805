#include "serial_strip.h"

#include "link/baud.h"
#include "link/port_choice.h"
#include "link/port_map.h"
#include "panel_context.h"
#include "port_map_dialog.h"
#include "text/operator_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace kv::ui {

SerialStrip::SerialStrip(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    port_ = new QComboBox(this);
    port_->setObjectName(QStringLiteral("portCombo"));
    port_->setToolTip(Text::tr("选择或关闭串口"));
    for (int i = 0; i < kPortChoices; ++i)
        port_->addItem(PortChoiceText(i));

    baud_ = new QComboBox(this);
    baud_->setObjectName(QStringLiteral("baudCombo"));
    for (int i = 0; i < kBaudChoices; ++i)
        baud_->addItem(BaudText(i));
    baud_->setCurrentIndex(-1);

    deviceAddress_ = new QLineEdit(QStringLiteral("1"), this);
    deviceAddress_->setObjectName(QStringLiteral("deviceAddressBox"));
    deviceAddress_->setMaximumWidth(60);

    status_ = new QLineEdit(this);
    status_->setObjectName(QStringLiteral("statusPane"));
    status_->setReadOnly(true);
    status_->setMinimumWidth(270);

    auto* mapButton = new QPushButton(Text::tr("串口对应…"), this);
    mapButton->setToolTip(Text::tr("把本机的串口设备对应到 COM1 … COM12"));

    layout->addWidget(new QLabel(Text::tr("当前串口："), this));
    layout->addWidget(port_);
    layout->addWidget(new QLabel(Text::tr("波特率："), this));
    layout->addWidget(baud_);
    layout->addWidget(new QLabel(Text::tr("地址码："), this));
    layout->addWidget(deviceAddress_);
    layout->addWidget(status_, 1);
    layout->addWidget(mapButton);

    connect(port_, &QComboBox::currentIndexChanged, this, &SerialStrip::portChosen);
    connect(baud_, &QComboBox::currentIndexChanged, this, &SerialStrip::baudChosen);
    connect(mapButton, &QPushButton::clicked, this, [this] {
        PortMapDialog dialog(context_.folder, ListSystemPorts(), BaudRate(baud_->currentIndex()), this);
        dialog.exec();
    });
}

void SerialStrip::showPortChoice(int index)
{
    const QSignalBlocker block(port_);
    port_->setCurrentIndex(index);
}

void SerialStrip::showBaudChoice(int index)
{
    const QSignalBlocker block(baud_);
    baud_->setCurrentIndex(index);
}

void SerialStrip::showStatusText(const QString& text)
{
    status_->setText(text);
}

ChoiceEffect SerialStrip::choiceEffect() const
{
    return context_.writeAddressDialogVisible ? ChoiceEffect::ShowOnly : ChoiceEffect::Apply;
}

void SerialStrip::portChosen(int index)
{
    const ChoiceEffect effect = choiceEffect();
    if (!context_.startOperation(
            [index, effect](const Operands& o) { o.portChoice.selectPort(index, o.prompter, effect); }))
        showPortChoice(context_.portChoice.portChoice());
}

void SerialStrip::baudChosen(int index)
{
    const ChoiceEffect effect = choiceEffect();
    if (!context_.startOperation(
            [index, effect](const Operands& o) { o.portChoice.selectBaud(index, o.prompter, effect); }))
        showBaudChoice(context_.portChoice.baudChoice());
}

} // namespace kv::ui
