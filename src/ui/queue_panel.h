#pragma once

#include "admin/address_queue.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kv::ui {

struct PanelContext;
class TargetPanel;

// The device address queue: the list of units with tick boxes, the address and
// description entries with "添加" and "修改", delete on the right button, "帮助", and
// "扫描连接的设备". The group's title is the queue's caption.
class QueuePanel : public QGroupBox {
    Q_OBJECT
public:
    QueuePanel(PanelContext& context, TargetPanel& target, QWidget* parent = nullptr);

    // Reads data.txt and the ticks (a step of the start-up sequence).
    void load();
    QString queueAddressString() const { return QueueAddressString(entries_); }
    const QList<QueueEntry>& entries() const { return entries_; }

    QTreeWidget* list() const { return list_; }
    QLineEdit* addressEntry() const { return address_; }
    QLineEdit* descriptionEntry() const { return description_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* modifyButton() const { return modify_; }
    QPushButton* helpButton() const { return help_; }
    QPushButton* scanButton() const { return scan_; }

    // What a right-button release over the list does.
    void deleteSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showOutcome(const QueueEditOutcome& outcome);
    void fill(const QList<QueueEntry>& entries, std::optional<int> selected);
    std::optional<int> selectedIndex() const;
    void entryClicked();
    void tickChanged(QTreeWidgetItem* item, int column);
    void checkAddressEntry();
    void showHelp();
    void scan();

    PanelContext& context_;
    TargetPanel& target_;
    QList<QueueEntry> entries_;
    QTreeWidget* list_;
    QLineEdit* address_;
    QLineEdit* description_;
    QPushButton* add_;
    QPushButton* modify_;
    QPushButton* help_;
    QPushButton* scan_;
};

} // namespace kv::ui
