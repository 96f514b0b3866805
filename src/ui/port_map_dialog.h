#pragma once

#include "base/app_folder.h"
#include "base/prompter.h"
#include "link/port_map.h"

#include <QDialog>
#include <QList>
#include <thread>

class QComboBox;
class QLabel;
class QPushButton;

namespace kv::ui {

// Assigns the serial ports found on this machine, or serial ports on the network
// (rfc2217://HOST:PORT, socket://HOST:PORT), to COM1 ... COM12 and writes COMMAP.TXT.
// "测试连接" opens a row's port at the rate in force and says what it found.
class PortMapDialog : public QDialog {
    Q_OBJECT
public:
    // found: the machine's serial ports, as ListSystemPorts gives them; baud: the rate a
    // connection test asks of a device server.
    PortMapDialog(const AppFolder& folder, const QList<SystemPort>& found, int baud, QWidget* parent = nullptr);
    ~PortMapDialog() override;

    QComboBox* pathBox(int k) const { return paths_.at(k - 1); }
    QPushButton* testButton(int k) const { return tests_.at(k - 1); }
    QLabel* testResult() const { return result_; }
    bool testing() const { return tester_.joinable() && !testDone_; }

private:
    void save();
    // Starts the connection test of COMk, or stops the one that runs.
    void test(int k);
    void testFinished(bool connected, const QString& text);

    AppFolder folder_;
    int baud_;
    QList<QComboBox*> paths_;
    QList<QPushButton*> tests_;
    QLabel* result_ = nullptr;
    std::thread tester_;
    CancelFlag cancel_;
    bool testDone_ = false;
    int testing_ = 0; // the COMk under test
};

} // namespace kv::ui
