#include "target_panel.h"

#include "base/prompter.h"
#include "panel_context.h"
#include "scroll/stored_scroll_play.h"
#include "text/operator_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

TargetPanel::TargetPanel(PanelContext& context, QWidget* parent)
    : QGroupBox(Text::tr("发送对象"), parent), context_(context)
{
    auto* layout = new QVBoxLayout(this);
    const QString captions[3] = {Text::tr("按广播"), Text::tr("按指定地址"), Text::tr("按地址队列")};
    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(captions[i], this);
        layout->addWidget(options_[i]);
    }
    options_[0]->setChecked(true);

    auto* form = new QFormLayout;
    specified_ = new QLineEdit(QStringLiteral("0"), this);
    specified_->setObjectName(QStringLiteral("specifiedAddressBox"));
    specified_->setMaximumWidth(60);
    form->addRow(Text::tr("指定地址码："), specified_);

    stored_ = new QComboBox(this);
    stored_->setObjectName(QStringLiteral("storedScrollBox"));
    stored_->addItems(StoredScrollItems());
    stored_->setToolTip(Text::tr("选中即向发送对象播放存储的滚动信息"));
    form->addRow(Text::tr("播放存储滚动："), stored_);
    layout->addLayout(form);

    connect(specified_, &QLineEdit::textChanged, this, &TargetPanel::checkSpecifiedAddress);
    connect(stored_, &QComboBox::activated, this, &TargetPanel::playStored);
    context_.targetSource = [this] { return choice(); };
}

QRadioButton* TargetPanel::option(SendMode mode) const
{
    return options_[int(mode)];
}

SendMode TargetPanel::mode() const
{
    for (int i = 0; i < 3; ++i)
        if (options_[i]->isChecked())
            return SendMode(i);
    return SendMode::Broadcast;
}

void TargetPanel::setMode(SendMode mode)
{
    option(mode)->setChecked(true);
}

TargetChoice TargetPanel::choice() const
{
    return TargetChoice{mode(), specified_->text(), queueAddressString_()};
}

void TargetPanel::setSpecifiedAddress(const QString& text)
{
    specified_->setText(text);
}

void TargetPanel::checkSpecifiedAddress(const QString& text)
{
    const QString message = SpecifiedAddressMessage(text);
    if (message.isEmpty())
        return;
    specified_->setText(QStringLiteral("0"));
    context_.prompter.error(message);
}

void TargetPanel::playStored(int item)
{
    stored_->hidePopup();
    if (context_.writeAddressDialogVisible)
        return;
    context_.startOperation([item](const Operands& o) { PlayStoredScroll(item, o.target, o.link, o.prompter); });
}

} // namespace kv::ui
