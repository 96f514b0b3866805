#pragma once

#include "admin_panels.h"
#include "base/app_folder.h"
#include "control_panels.h"
#include "font_panels.h"
#include "link/clock.h"
#include "link/serial_port.h"
#include "panel_context.h"
#include "picture_panels.h"
#include "scroll_panels.h"

#include <QMainWindow>
#include <memory>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTimer;
class QVBoxLayout;

namespace kv {
class Link;
class PortChoice;
class Prompter;
} // namespace kv

namespace kv::ui {

class FontPanel;
class HelpViewer;
class ModelSelector;
class OtherFunctionsToggle;
class LinkBridge;
class OperationRunner;
class SerialStrip;
class TrafficTable;
class UiPrompter;

// The main window: the serial strip, the subsystem panels, the sent-data pane and the
// traffic log. Loading it runs the start-up sequence; half a second later the start
// timer restores the chosen port and baud rate.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // prompter: where operations talk to the operator; the window's own dialogs when
    // left out (tests give a recording one).
    MainWindow(const AppFolder& folder, SerialPortFactory ports, Clock& clock, Prompter* prompter = nullptr);
    ~MainWindow() override;

    // Whether the side column (the send target and the address queue) stands beside a
    // page.
    enum class SideColumn { Shown, Hidden };
    // A panel of a subsystem in the main area, or in the side column.
    void addPanel(QWidget* panel, const QString& title, SideColumn side = SideColumn::Shown);
    void addSidePanel(QWidget* panel);
    // The other-functions page: a page the toggle "打开其他功能" shows and folds away.
    void addFoldingPanel(QWidget* panel, const QString& title);

    PanelContext& context() { return *context_; }
    Link& link() { return *link_; }
    PortChoice& portChoice() { return *portChoice_; }
    OperationRunner& runner() { return *runner_; }
    SerialStrip* serialStrip() const { return strip_; }
    FontPanel* fontPanel() const { return font_.editor; }
    QLabel* sentDataPane() const { return sentData_; }
    TrafficTable* trafficLog() const { return traffic_; }
    QTimer* startTimer() const { return startTimer_; }
    const AdminPanels& adminPanels() const { return admin_; }
    const ControlPanels& controlPanels() const { return control_; }
    const ScrollPanels& scrollPanels() const { return scroll_; }
    HelpViewer* helpViewer() const { return helpViewer_; }
    QPushButton* helpButton() const { return help_; }
    ModelSelector* modelSelector() const { return model_; }
    OtherFunctionsToggle* otherFunctionsToggle() const { return otherFunctions_; }
    const PicturePanels& picturePanels() const { return picture_; }
    QTabWidget* pages() const { return panels_; }
    // The start-up steps, in the order they ran.
    const QStringList& startupSteps() const { return startupSteps_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void load();
    void restorePortAndBaud();
    void showSentData(const QString& paneText);
    void showMainHelp();

    std::unique_ptr<UiPrompter> ownPrompter_;
    Prompter* prompter_;
    std::unique_ptr<Link> link_;
    std::unique_ptr<PortChoice> portChoice_;
    LinkBridge* bridge_;
    OperationRunner* runner_;
    std::unique_ptr<PanelContext> context_;

    SerialStrip* strip_ = nullptr;
    QHBoxLayout* top_ = nullptr;
    QTabWidget* panels_ = nullptr;
    QScrollArea* sideArea_ = nullptr;
    QList<QWidget*> pagesWithoutSideColumn_;
    QVBoxLayout* side_ = nullptr;
    QLabel* sentData_ = nullptr;
    QTimer* sentDataTimer_ = nullptr;
    TrafficTable* traffic_ = nullptr;
    QTimer* startTimer_ = nullptr;
    ModelSelector* model_ = nullptr;
    OtherFunctionsToggle* otherFunctions_ = nullptr;
    QPushButton* help_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    QStringList startupSteps_;
    ScrollPanels scroll_;
    PicturePanels picture_;
    FontPanels font_;
    AdminPanels admin_;
    ControlPanels control_;
};

} // namespace kv::ui
