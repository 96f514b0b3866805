#include "write_address_dialog.h"

#include "admin/write_address.h"
#include "panel_context.h"
#include "text/operator_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

WriteAddressDialog::WriteAddressDialog(PanelContext& context, std::function<void(const QString&)> written,
                                       QWidget* parent)
    : QDialog(parent), context_(context), written_(std::move(written))
{
    setWindowTitle(Text::tr("字符叠加器字库编辑程序"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text::tr("输入十进制0-254地址码："), this));
    address_ = new QLineEdit(QStringLiteral("0"), this);
    address_->setObjectName(QStringLiteral("writeAddressBox"));
    layout->addWidget(address_);
    write_ = new QPushButton(Text::tr("写入地址"), this);
    write_->setAutoDefault(false);
    layout->addWidget(write_);
    connect(write_, &QPushButton::clicked, this, &WriteAddressDialog::writeAddress);
}

void WriteAddressDialog::open()
{
    address_->setText(QStringLiteral("0"));
    QDialog::open();
}

void WriteAddressDialog::showEvent(QShowEvent* event)
{
    context_.writeAddressDialogVisible = true;
    QDialog::showEvent(event);
}

void WriteAddressDialog::hideEvent(QHideEvent* event)
{
    context_.writeAddressDialogVisible = false;
    QDialog::hideEvent(event);
}

void WriteAddressDialog::writeAddress()
{
    const QString text = address_->text();
    // The dialog closes once the write has ended, whatever its result.
    context_.startOperation<WriteAddressOutcome>(
        [text](const Operands& o) { return WriteUnitAddress(text, o.link, o.prompter); },
        [this](WriteAddressOutcome outcome) {
            if (outcome.specifiedAddress && written_)
                written_(*outcome.specifiedAddress);
            accept();
        });
}

} // namespace kv::ui
