#pragma once

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kv::ui {

struct PanelContext;

// "读出波特率地址码": reads the unit's rate and address; the address read shows in the
// device address box. The panel and the device command menu both offer it.
void ReadIdentityIntoAddressBox(PanelContext& context);

// "修改波特率，地址码": the new-baud list and new-address box with "读出波特率地址码" and
// "修改地址码及波特率", and the "产品编号" button.
class IdentityPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit IdentityPanel(PanelContext& context, QWidget* parent = nullptr);

    QComboBox* newBaudList() const { return newBaud_; }
    QLineEdit* newAddressBox() const { return newAddress_; }
    QPushButton* readButton() const { return read_; }
    QPushButton* modifyButton() const { return modify_; }
    QPushButton* productNumberButton() const { return productNumber_; }

private:
    void modifyIdentity();
    void readProductNumber();

    PanelContext& context_;
    QComboBox* newBaud_;
    QLineEdit* newAddress_;
    QPushButton* read_;
    QPushButton* modify_;
    QPushButton* productNumber_;
};

} // namespace kv::ui
