#include "identity_panel.h"

#include "address_box_check.h"
#include "admin/identity.h"
#include "link/baud.h"
#include "panel_context.h"
#include "text/operator_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kv::ui {

namespace {
void showDeviceAddress(const PanelContext& context, const std::optional<QString>& address)
{
    if (address && context.deviceAddressBox)
        context.deviceAddressBox->setText(*address);
}
} // namespace

void ReadIdentityIntoAddressBox(PanelContext& context)
{
    context.startOperation<IdentityReadOutcome>(
        [](const Operands& o) { return ReadIdentity(o.portChoice, o.link, o.prompter); },
        [&context](IdentityReadOutcome outcome) { showDeviceAddress(context, outcome.deviceAddress); });
}

IdentityPanel::IdentityPanel(PanelContext& context, QWidget* parent)
    : QGroupBox(Text::tr("修改波特率，地址码"), parent), context_(context)
{
    auto* form = new QFormLayout(this);
    newBaud_ = new QComboBox(this);
    newBaud_->setObjectName(QStringLiteral("newBaudList"));
    for (int i = 0; i < kBaudChoices; ++i)
        newBaud_->addItem(BaudText(i));
    newBaud_->setCurrentIndex(kBaudChoices - 1);
    newBaud_->setMaximumWidth(120);
    newAddress_ = new QLineEdit(QStringLiteral("1"), this);
    newAddress_->setObjectName(QStringLiteral("newAddressBox"));
    newAddress_->setMaximumWidth(60);
    form->addRow(Text::tr("新波特率："), newBaud_);
    form->addRow(Text::tr("新地址码："), newAddress_);

    read_ = new QPushButton(Text::tr("读出波特率地址码"), this);
    modify_ = new QPushButton(Text::tr("修改地址码及波特率"), this);
    productNumber_ = new QPushButton(Text::tr("产品编号"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(read_);
    buttons->addWidget(modify_);
    buttons->addWidget(productNumber_);
    form->addRow(buttons);

    CheckDeviceAddressOnChange(newAddress_, context_.prompter);
    connect(read_, &QPushButton::clicked, this, [this] { ReadIdentityIntoAddressBox(context_); });
    connect(modify_, &QPushButton::clicked, this, &IdentityPanel::modifyIdentity);
    connect(productNumber_, &QPushButton::clicked, this, &IdentityPanel::readProductNumber);
}

void IdentityPanel::modifyIdentity()
{
    const IdentityChange change{newBaud_->currentIndex(), newAddress_->text()};
    context_.startOperation<IdentityChangeOutcome>(
        [change](const Operands& o) { return ModifyIdentity(change, o.portChoice, o.link, o.prompter); },
        [this](IdentityChangeOutcome outcome) { showDeviceAddress(context_, outcome.deviceAddress); });
}

void IdentityPanel::readProductNumber()
{
    context_.startOperation([](const Operands& o) { ReadProductNumber(o.deviceAddress, o.link, o.prompter); });
}

} // namespace kv::ui
