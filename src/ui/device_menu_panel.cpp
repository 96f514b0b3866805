#include "device_menu_panel.h"

#include "app/help_topics.h"
#include "control/device_menu.h"
#include "control/display_items.h"
#include "identity_panel.h"
#include "link/port_choice.h"
#include "panel_context.h"
#include "scroll/status_report.h"
#include "text/operator_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
// A menu item: a text that acts on a click and reports the pointer entering and
// leaving it.
class MenuItemLabel : public QLabel {
public:
    MenuItemLabel(const QString& caption, std::function<void()> clicked, std::function<void()> entered,
                  std::function<void()> left, QWidget* parent)
        : QLabel(caption, parent), clicked_(std::move(clicked)), entered_(std::move(entered)), left_(std::move(left))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_();
        QLabel::mouseReleaseEvent(event);
    }
    void enterEvent(QEnterEvent* event) override
    {
        entered_();
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        left_();
        QLabel::leaveEvent(event);
    }

private:
    std::function<void()> clicked_;
    std::function<void()> entered_;
    std::function<void()> left_;
};

// The list drops open a little above the item that opened it.
constexpr int kListAboveItem = 3;
} // namespace

DeviceMenuPanel::DeviceMenuPanel(PanelContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("deviceMenuPanel"));
    auto* group = new QGroupBox(Text::tr("其它"), this);
    auto* columns = new QHBoxLayout(group);

    menuColumn_ = new QWidget(group);
    auto* menu = new QVBoxLayout(menuColumn_);
    menu->setContentsMargins(0, 0, 0, 0);
    lastOperation_ = new QLabel(Text::tr("下面最后一次操作"), menuColumn_);
    lastOperation_->setObjectName(QStringLiteral("lastOperationLabel"));
    lastOperation_->setFrameShape(QFrame::StyledPanel);
    menu->addWidget(lastOperation_);
    for (const DeviceMenuItem& item : DeviceMenuItems()) {
        const DeviceMenuItem* entry = &item;
        auto* label = new MenuItemLabel(
            Text::tr(item.caption), [this, entry] { click(*entry); }, [this, entry] { hover(entry->number); },
            [this, entry] { leave(entry->number); }, menuColumn_);
        labels_.append({item.number, label});
        menu->addWidget(label);
    }
    menu->addStretch(1);
    columns->addWidget(menuColumn_);

    // The display-item menu stands at the height of the item that opened it, so it
    // has a column of its own without a layout.
    listColumn_ = new QWidget(group);
    displayItems_ = new QComboBox(listColumn_);
    displayItems_->setObjectName(QStringLiteral("displayItemList"));
    displayItems_->addItems(DisplayItemEntries());
    displayItems_->setEnabled(false);
    displayItems_->adjustSize();
    listColumn_->setMinimumWidth(displayItems_->sizeHint().width());
    connect(displayItems_, &QComboBox::activated, this, &DeviceMenuPanel::chooseDisplayItem);
    columns->addWidget(listColumn_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
}

QLabel* DeviceMenuPanel::itemLabel(int number) const
{
    for (const auto& [n, label] : labels_)
        if (n == number)
            return label;
    return nullptr;
}

void DeviceMenuPanel::setColour(QLabel* label, bool red)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, red ? QColor(Qt::red) : palette().color(QPalette::ButtonText));
    label->setPalette(colours);
}

void DeviceMenuPanel::hover(int number)
{
    if (highlighted_ == number)
        return;
    clearHighlight();
    if (QLabel* label = itemLabel(number)) {
        setColour(label, true);
        highlighted_ = number;
    }
}

void DeviceMenuPanel::leave(int number)
{
    // Off the item the pointer is over the panel or the window around it, and the
    // item goes back to the button-text colour.
    if (highlighted_ == number)
        clearHighlight();
}

void DeviceMenuPanel::clearHighlight()
{
    if (highlighted_)
        if (QLabel* label = itemLabel(*highlighted_))
            setColour(label, false);
    highlighted_.reset();
}

void DeviceMenuPanel::click(const DeviceMenuItem& item)
{
    lastOperation_->setText(LastOperationText(item));
    switch (item.action) {
    case MenuAction::WriteAddress:
        if (context_.openWriteAddressDialog)
            context_.openWriteAddressDialog();
        return;
    case MenuAction::ReadIdentity:
        ReadIdentityIntoAddressBox(context_);
        return;
    case MenuAction::DeletePowerOnDisplays:
        context_.startOperation([](const Operands& o) { DeletePowerOnDisplays(o.target, o.link, o.prompter); });
        return;
    case MenuAction::DisplayItems:
        openDisplayItems(itemLabel(item.number));
        return;
    case MenuAction::StatusReport:
        // The report goes to the unit of the specified address, whatever the send mode.
        context_.startOperation([](const Operands& o) {
            TargetChoice one = o.target;
            one.mode = SendMode::SpecifiedAddress;
            RequestStatusReport(one, o.link, o.prompter);
        });
        return;
    case MenuAction::Help:
        if (context_.showHelp) {
            const HelpTopic help = OtherFunctionsHelpTopic();
            context_.showHelp(help.file, help.topic);
        }
        return;
    default: {
        const DeviceMenuItem* sent = &item;
        context_.startOperation([sent](const Operands& o) { SendMenuFrame(*sent, o.target, o.link, o.prompter); });
        return;
    }
    }
}

void DeviceMenuPanel::openDisplayItems(QLabel* beside)
{
    displayItems_->setEnabled(true);
    const int top = beside ? beside->mapTo(this, QPoint(0, 0)).y() - listColumn_->mapTo(this, QPoint(0, 0)).y() : 0;
    displayItems_->move(0, qMax(0, top - kListAboveItem));
    displayItems_->showPopup();
}

void DeviceMenuPanel::chooseDisplayItem(int entry)
{
    if (context_.writeAddressDialogVisible || !context_.portChoice.isPortChosen())
        return;
    context_.startOperation([entry](const Operands& o) { ChooseDisplayItem(entry, o.target, o.link, o.prompter); });
}

} // namespace kv::ui
