#include "link/port_choice.h"
#include "identity_panel.h"

#include "address_box_check.h"
#include "admin/identity.h"
#include "link/baud.h"
#include "operation_runner.h"
#include "panel_context.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kv::ui {

IdentityPanel::IdentityPanel(PanelContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("修改波特率，地址码"), parent), context_(context)
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
    form->addRow(QStringLiteral("新波特率："), newBaud_);
    form->addRow(QStringLiteral("新地址码："), newAddress_);

    read_ = new QPushButton(QStringLiteral("读出波特率地址码"), this);
    modify_ = new QPushButton(QStringLiteral("修改地址码及波特率"), this);
    productNumber_ = new QPushButton(QStringLiteral("产品编号"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(read_);
    buttons->addWidget(modify_);
    buttons->addWidget(productNumber_);
    form->addRow(buttons);

    CheckDeviceAddressOnChange(newAddress_, context_.prompter);
    connect(read_, &QPushButton::clicked, this, &IdentityPanel::readIdentity);
    connect(modify_, &QPushButton::clicked, this, &IdentityPanel::modifyIdentity);
    connect(productNumber_, &QPushButton::clicked, this, &IdentityPanel::readProductNumber);
}

void IdentityPanel::setDeviceAddress(const QString& text)
{
    if (context_.deviceAddressBox)
        context_.deviceAddressBox->setText(text);
}

void IdentityPanel::readIdentity()
{
    Link& link = context_.link;
    PortChoice& choice = context_.portChoice;
    context_.runner.run<IdentityReadOutcome>([&choice, &link](Prompter& p) { return ReadIdentity(choice, link, p); },
                                             [this](IdentityReadOutcome outcome) {
                                                 if (outcome.deviceAddress)
                                                     setDeviceAddress(*outcome.deviceAddress);
                                             });
}

void IdentityPanel::modifyIdentity()
{
    const IdentityChange change{newBaud_->currentIndex(), newAddress_->text()};
    Link& link = context_.link;
    PortChoice& choice = context_.portChoice;
    context_.runner.run<IdentityChangeOutcome>(
        [change, &choice, &link](Prompter& p) { return ModifyIdentity(change, choice, link, p); },
                                               [this](IdentityChangeOutcome outcome) {
                                                   if (outcome.deviceAddress)
                                                       setDeviceAddress(*outcome.deviceAddress);
                                               });
}

void IdentityPanel::readProductNumber()
{
    const QString address = context_.deviceAddressBox ? context_.deviceAddressBox->text() : QStringLiteral("1");
    Link& link = context_.link;
    context_.runner.run([address, &link](Prompter& p) { ReadProductNumber(address, link, p); });
}

} // namespace kv::ui
