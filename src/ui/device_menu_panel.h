#pragma once

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;

namespace kv {
struct DeviceMenuItem;
}

namespace kv::ui {

struct PanelContext;

// The panel "其它": the device command menu, a column of clickable items with the
// last-operation label above it, and the display-item menu that item ⒍ drops open
// beside it.
class DeviceMenuPanel : public QWidget {
    Q_OBJECT
public:
    explicit DeviceMenuPanel(PanelContext& context, QWidget* parent = nullptr);

    QLabel* lastOperationLabel() const { return lastOperation_; }
    QComboBox* displayItemList() const { return displayItems_; }
    // The item label of a menu item by the number its caption starts with (0: help).
    QLabel* itemLabel(int number) const;

    // What a click on an item does; what the pointer entering and leaving it does.
    void click(const DeviceMenuItem& item);
    void hover(int number);
    void leave(int number);
    // The highlighted item, if any.
    std::optional<int> highlighted() const { return highlighted_; }
    void clearHighlight();

private:
    void openDisplayItems(QLabel* beside);
    void chooseDisplayItem(int entry);
    void setColour(QLabel* label, bool red);

    PanelContext& context_;
    QLabel* lastOperation_ = nullptr;
    QWidget* menuColumn_ = nullptr;
    QWidget* listColumn_ = nullptr;
    QComboBox* displayItems_ = nullptr;
    QList<std::pair<int, QLabel*>> labels_; // by caption number
    std::optional<int> highlighted_;
};

} // namespace kv::ui
