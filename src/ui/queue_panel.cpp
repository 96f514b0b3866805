#include "queue_panel.h"

#include "admin/bus_scan.h"
#include "app/help_topics.h"
#include "base/prompter.h"
#include "panel_context.h"
#include "target_panel.h"
#include "text/operator_text.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace kv::ui {

QueuePanel::QueuePanel(PanelContext& context, TargetPanel& target, QWidget* parent)
    : QGroupBox(Text::tr("设备地址队列"), parent), context_(context), target_(target)
{
    auto* layout = new QGridLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("addressQueue"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({Text::tr("地址码"), Text::tr("设备地址说明")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->viewport()->installEventFilter(this);
    layout->addWidget(list_, 0, 0, 1, 4);

    address_ = new QLineEdit(QStringLiteral("0"), this);
    address_->setObjectName(QStringLiteral("queueAddressEntry"));
    address_->setMaximumWidth(60);
    description_ = new QLineEdit(QStringLiteral("1号字符叠加器"), this);
    description_->setObjectName(QStringLiteral("queueDescriptionEntry"));
    layout->addWidget(new QLabel(Text::tr("地址码："), this), 1, 0);
    layout->addWidget(address_, 1, 1);
    layout->addWidget(new QLabel(Text::tr("说明："), this), 1, 2);
    layout->addWidget(description_, 1, 3);

    add_ = new QPushButton(Text::tr("添加"), this);
    modify_ = new QPushButton(Text::tr("修改"), this);
    help_ = new QPushButton(Text::tr("帮助"), this);
    scan_ = new QPushButton(Text::tr("扫描连接的设备"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(modify_);
    buttons->addWidget(help_);
    layout->addLayout(buttons, 2, 0, 1, 4);
    layout->addWidget(scan_, 3, 0, 1, 4);

    connect(list_, &QTreeWidget::itemClicked, this, &QueuePanel::entryClicked);
    connect(list_, &QTreeWidget::itemChanged, this, &QueuePanel::tickChanged);
    connect(address_, &QLineEdit::textChanged, this, &QueuePanel::checkAddressEntry);
    connect(description_, &QLineEdit::textChanged, this, &QueuePanel::checkAddressEntry);
    connect(add_, &QPushButton::clicked, this, [this] {
        showOutcome(AddQueueEntry(context_.folder, entries_, {address_->text(), description_->text()}, context_.prompter));
    });
    connect(modify_, &QPushButton::clicked, this, [this] {
        const auto selected = selectedIndex();
        if (!selected)
            return;
        showOutcome(ModifyQueueEntry(context_.folder, entries_, *selected, {address_->text(), description_->text()},
                              context_.prompter));
    });
    connect(help_, &QPushButton::clicked, this, &QueuePanel::showHelp);
    connect(scan_, &QPushButton::clicked, this, &QueuePanel::scan);
}

void QueuePanel::load()
{
    const AddressQueue queue = LoadAddressQueue(context_.folder);
    if (!queue.problem.isEmpty())
        context_.prompter.error(queue.problem);
    fill(queue.entries, std::nullopt);
    if (queue.fileFound)
        setTitle(QueueCaption(QueueCaptionWording::Loaded, int(entries_.size())));
}

void QueuePanel::fill(const QList<QueueEntry>& entries, std::optional<int> selected)
{
    entries_ = entries;
    const QSignalBlocker block(list_);
    list_->clear();
    for (const QueueEntry& entry : entries_) {
        auto* item = new QTreeWidgetItem(list_, {entry.address, entry.description});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, entry.ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (selected && *selected >= 0 && *selected < list_->topLevelItemCount())
        list_->setCurrentItem(list_->topLevelItem(*selected));
}

void QueuePanel::showOutcome(const QueueEditOutcome& outcome)
{
    fill(outcome.entries, outcome.selected);
    if (!outcome.caption.isEmpty())
        setTitle(outcome.caption);
}

std::optional<int> QueuePanel::selectedIndex() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return list_->indexOfTopLevelItem(selected.first());
}

void QueuePanel::entryClicked()
{
    const auto selected = selectedIndex();
    if (!selected)
        return;
    address_->setText(entries_.at(*selected).address);
    description_->setText(entries_.at(*selected).description);
}

void QueuePanel::tickChanged(QTreeWidgetItem* item, int column)
{
    const int index = list_->indexOfTopLevelItem(item);
    if (column != 0 || index < 0 || index >= entries_.size())
        return;
    entries_[index].ticked = item->checkState(0) == Qt::Checked;
    SaveQueueTicks(context_.folder, entries_, context_.prompter);
}

void QueuePanel::deleteSelected()
{
    const auto selected = selectedIndex();
    if (entries_.isEmpty() || !selected)
        return;
    showOutcome(DeleteQueueEntry(context_.folder, entries_, *selected, context_.prompter));
}

bool QueuePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        deleteSelected();
    return QGroupBox::eventFilter(watched, event);
}

void QueuePanel::checkAddressEntry()
{
    const QString message = QueueAddressEntryMessage(address_->text());
    if (message.isEmpty())
        return;
    address_->setText(QStringLiteral("0"));
    context_.prompter.error(message);
}

void QueuePanel::showHelp()
{
    const HelpTopic topic = AddressQueueHelpTopic();
    context_.showHelp(topic.file, topic.topic);
}

void QueuePanel::scan()
{
    // The scan works on the queue: the option group shows it while the scan runs and
    // returns to the operator's choice on every path.
    const SendMode remembered = target_.mode();
    target_.setMode(SendMode::AddressQueue);
    if (!context_.startOperation([](const Operands& o) { ScanConnectedDevices(o.target, o.link, o.prompter); },
                                 [this, remembered] { target_.setMode(remembered); }))
        target_.setMode(remembered);
}

} // namespace kv::ui
