#pragma once

#include "base/app_folder.h"
#include "link/port_map.h"

#include <QDialog>
#include <QList>

class QComboBox;

namespace kv::ui {

// Assigns the serial ports found on this machine to COM1 ... COM12 and writes
// COMMAP.TXT.
class PortMapDialog : public QDialog {
    Q_OBJECT
public:
    // found: the machine's serial ports, as ListSystemPorts gives them.
    PortMapDialog(const AppFolder& folder, const QList<SystemPort>& found, QWidget* parent = nullptr);

private:
    void save();

    AppFolder folder_;
    QList<QComboBox*> paths_;
};

} // namespace kv::ui
