#pragma once

#include "link/port_choice.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace kv::ui {

struct PanelContext;

// The serial strip: port and baud choices, the status pane, the device address box and
// the button of the port assignment dialog.
class SerialStrip : public QWidget {
    Q_OBJECT
public:
    SerialStrip(PanelContext& context, QWidget* parent = nullptr);

    QLineEdit* deviceAddressBox() const { return deviceAddress_; }
    QComboBox* portCombo() const { return port_; }
    QComboBox* baudCombo() const { return baud_; }
    QLineEdit* statusPane() const { return status_; }

    // Mirrors the link's choices without running the selection handlers again.
    void showPortChoice(int index);
    void showBaudChoice(int index);
    void showStatusText(const QString& text);

private:
    ChoiceEffect choiceEffect() const;
    void portChosen(int index);
    void baudChosen(int index);

    PanelContext& context_;
    QComboBox* port_;
    QComboBox* baud_;
    QLineEdit* status_;
    QLineEdit* deviceAddress_;
};

} // namespace kv::ui
