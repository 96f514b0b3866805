#include "main_window.h"

#include "admin_panels.h"
#include "app/startup.h"
#include "font/font_source.h"
#include "font_panel.h"
#include "link/link.h"
#include "link_bridge.h"
#include "queue_panel.h"
#include "target_panel.h"
#include "operation_runner.h"
#include "scroll_editor_panel.h"
#include "scroll_params_panel.h"
#include "serial_strip.h"
#include "ui_prompter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
constexpr int kSentDataShownMs = 20000;
constexpr int kStartTimerMs = 500;
constexpr int kTrafficLines = 5000;
constexpr int kStartupLineBaud = 115200;
} // namespace

MainWindow::MainWindow(const AppFolder& folder, SerialPortFactory ports, Clock& clock, Prompter* prompter)
    : ownPrompter_(prompter ? nullptr : std::make_unique<UiPrompter>(this)),
      prompter_(prompter ? prompter : ownPrompter_.get()),
      link_(std::make_unique<Link>(folder, std::move(ports), clock)),
      bridge_(new LinkBridge(this)),
      runner_(new OperationRunner(*prompter_, this)),
      context_(std::make_unique<PanelContext>(PanelContext{folder, *link_, *runner_, *prompter_, nullptr, {}, {}}))
{
    link_->setObserver(bridge_);
    link_->setCancelFlag(&prompter_->cancelFlag());
    buildLayout();
    load();
}

MainWindow::~MainWindow()
{
    if (ownPrompter_)
        ownPrompter_->shutDown();
    runner_->waitIdle();
    link_->setObserver(nullptr);
    // The panels and the runner use the link and the context, so they go first, while
    // both still exist.
    delete takeCentralWidget();
    delete runner_;
}

void MainWindow::buildLayout()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    strip_ = new SerialStrip(*context_, central);
    context_->deviceAddressBox = strip_->deviceAddressBox();
    layout->addWidget(strip_);

    auto* body = new QSplitter(Qt::Horizontal, central);
    panels_ = new QTabWidget(body);
    panels_->setObjectName(QStringLiteral("panels"));
    sideArea_ = new QScrollArea(body);
    sideArea_->setWidgetResizable(true);
    sideArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* sideColumn = new QWidget(sideArea_);
    side_ = new QVBoxLayout(sideColumn);
    side_->addStretch(1);
    sideArea_->setWidget(sideColumn);
    body->addWidget(panels_);
    body->addWidget(sideArea_);
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 1);
    body->setSizes({860, 330});

    sentData_ = new QLabel(central);
    sentData_->setObjectName(QStringLiteral("sentDataPane"));
    sentData_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sentData_->hide();
    sentDataTimer_ = new QTimer(this);
    sentDataTimer_->setObjectName(QStringLiteral("sentDataTimer"));
    sentDataTimer_->setSingleShot(true);
    sentDataTimer_->setInterval(kSentDataShownMs);
    connect(sentDataTimer_, &QTimer::timeout, sentData_, &QWidget::hide);

    auto* trafficBox = new QGroupBox(QStringLiteral("通信记录"), central);
    auto* trafficLayout = new QVBoxLayout(trafficBox);
    traffic_ = new QPlainTextEdit(trafficBox);
    traffic_->setObjectName(QStringLiteral("trafficLog"));
    traffic_->setReadOnly(true);
    traffic_->setMaximumBlockCount(kTrafficLines);
    auto* clear = new QPushButton(QStringLiteral("清除"), trafficBox);
    connect(clear, &QPushButton::clicked, traffic_, &QPlainTextEdit::clear);
    trafficLayout->addWidget(traffic_);
    trafficLayout->addWidget(clear, 0, Qt::AlignRight);

    auto* vertical = new QSplitter(Qt::Vertical, central);
    vertical->addWidget(body);
    vertical->addWidget(trafficBox);
    vertical->setStretchFactor(0, 4);
    vertical->setStretchFactor(1, 1);
    vertical->setSizes({620, 150});
    layout->addWidget(vertical, 1);
    layout->addWidget(sentData_);
    setCentralWidget(central);

    connect(bridge_, &LinkBridge::portChoice, strip_, &SerialStrip::showPortChoice);
    connect(bridge_, &LinkBridge::baudChoice, strip_, &SerialStrip::showBaudChoice);
    connect(bridge_, &LinkBridge::statusText, strip_, &SerialStrip::showStatusText);
    connect(bridge_, &LinkBridge::sentData, this, &MainWindow::showSentData);
    connect(bridge_, &LinkBridge::traffic, traffic_, &QPlainTextEdit::appendPlainText);
}

void MainWindow::addPanel(QWidget* panel, const QString& title)
{
    panels_->addTab(panel, title);
}

void MainWindow::addSidePanel(QWidget* panel)
{
    side_->insertWidget(side_->count() - 1, panel);
    // The side column is never narrower than its widest panel, scroll bar included.
    const int width = panel->sizeHint().width() + sideArea_->verticalScrollBar()->sizeHint().width() + 8;
    sideArea_->setMinimumWidth(qMax(sideArea_->minimumWidth(), width));
}

// The start-up sequence, in its fixed order. Each subsystem's step stands at its place.
void MainWindow::load()
{
    // The panels, each with its lists at their default selections.
    auto* scrollEditor = new ScrollEditorPanel(*context_);
    addPanel(scrollEditor, QStringLiteral("滚动信息"));
    addPanel(new ScrollParamsPanel(*context_), QStringLiteral("滚动参数设置"));
    fontPanel_ = new FontPanel(*context_);
    addPanel(fontPanel_, QStringLiteral("字库编辑"));
    admin_ = InstallAdminPanels(*this);

    // The font table from the remembered font file; the default font shipped beside
    // the program fills a folder that has no local font yet.
    fontPanel_->loadStartupFont(QDir(QCoreApplication::applicationDirPath()).filePath(kLocalFontFile));

    // Window title; the sent-data pane's hide timer is off until something is sent.
    setWindowTitle(MainWindowTitle());
    sentDataTimer_->stop();

    // The specified address box starts at "0"; the settings folder.
    admin_.target->setSpecifiedAddress(QStringLiteral("0"));
    context_->folder.ensureSettingsFolder();

    // The device address queue.
    admin_.queue->load();

    // The serial port's fixed configuration, then the start timer.
    link_->setLineBaud(kStartupLineBaud);
    startTimer_ = new QTimer(this);
    startTimer_->setSingleShot(true);
    startTimer_->setInterval(kStartTimerMs);
    connect(startTimer_, &QTimer::timeout, this, &MainWindow::restorePortAndBaud);
    startTimer_->start();

    // KjSelect.txt; the specified address box is at "0" again.
    LoadKjSelect(context_->folder);
    admin_.target->setSpecifiedAddress(QStringLiteral("0"));

    // end_fs_mode.txt chooses the send mode.
    scrollEditor->applyStartupMode();

    resize(1200, 820);
}

void MainWindow::restorePortAndBaud()
{
    startTimer_->stop();
    Link& link = *link_;
    runner_->run([&link](Prompter& p) { link.startupRestore(p); });
}

void MainWindow::showSentData(const QString& paneText)
{
    sentData_->setText(paneText);
    sentData_->show();
    sentDataTimer_->start();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Operations still waiting on the line finish first; nothing more is asked.
    if (ownPrompter_)
        ownPrompter_->shutDown();
    runner_->waitIdle();
    QMainWindow::closeEvent(event);
}

} // namespace kv::ui
