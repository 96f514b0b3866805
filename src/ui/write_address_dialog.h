#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace kv::ui {

struct PanelContext;

// The write-address dialog: a new address for the one unit on the line. While it is
// visible the serial strip neither probes a chosen port nor broadcasts a baud change.
class WriteAddressDialog : public QDialog {
    Q_OBJECT
public:
    // written: receives the address written, for the specified address box.
    WriteAddressDialog(PanelContext& context, std::function<void(const QString&)> written,
                       QWidget* parent = nullptr);

    // Opens the dialog with its address box at "0".
    void open() override;

    QLineEdit* addressBox() const { return address_; }
    QPushButton* writeButton() const { return write_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void writeAddress();

    PanelContext& context_;
    std::function<void(const QString&)> written_;
    QLineEdit* address_;
    QPushButton* write_;
};

} // namespace kv::ui
