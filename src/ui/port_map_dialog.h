#pragma once

#include "app/app_folder.h"

#include <QDialog>
#include <QList>

class QComboBox;

namespace kv::ui {

// Assigns the serial ports found on this machine to COM1 ... COM12 and writes
// COMMAP.TXT.
class PortMapDialog : public QDialog {
    Q_OBJECT
public:
    PortMapDialog(const AppFolder& folder, QWidget* parent = nullptr);

private:
    void save();

    AppFolder folder_;
    QList<QComboBox*> paths_;
};

} // namespace kv::ui
