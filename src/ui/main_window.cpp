#include "main_window.h"

#include "admin_panels.h"
#include "app/help_topics.h"
#include "app/shipped_files.h"
#include "app/startup.h"
#include "base/app_folder.h"
#include "edit_page_panel.h"
#include "font_panel.h"
#include "font_panels.h"
#include "help_viewer.h"
#include "language_selector.h"
#include "link/link.h"
#include "link/port_choice.h"
#include "link_bridge.h"
#include "model_selector.h"
#include "operation_runner.h"
#include "other_functions_toggle.h"
#include "picture/screen_scale.h"
#include "scroll_editor_panel.h"
#include "scroll_panels.h"
#include "serial_strip.h"
#include "text/operator_text.h"
#include "traffic_table.h"
#include "ui_prompter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
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
constexpr int kStartupLineBaud = 115200;
// The traffic pane opens showing this many rows.
constexpr int kTrafficShownLines = 6;
// The side column takes the width of its widest panel up to this; a wider panel scrolls.
constexpr int kSideColumnWidestMinimum = 380;
// The window opens at this size, or at the screen's when the screen is smaller.
constexpr QSize kOpeningSize(1400, 900);

// Every panel sits in a scroll area of its own, so a small screen scrolls it instead of
// cutting it off or pushing the window past the screen's edge.
QScrollArea* scrollingPanel(QWidget* panel, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(panel);
    return area;
}
} // namespace

MainWindow::MainWindow(const AppFolder& folder, SerialPortFactory ports, Clock& clock, Prompter* prompter)
    : ownPrompter_(prompter ? nullptr : std::make_unique<UiPrompter>(this)),
      prompter_(prompter ? prompter : ownPrompter_.get()),
      link_(std::make_unique<Link>(std::move(ports), clock)),
      portChoice_(std::make_unique<PortChoice>(folder, *link_)),
      bridge_(new LinkBridge(this)),
      runner_(new OperationRunner(*prompter_, this)),
      context_(std::make_unique<PanelContext>(PanelContext{folder, *link_, *portChoice_, *runner_, *prompter_, nullptr, {}, {}}))
{
    link_->setObserver(bridge_);
    portChoice_->setObserver(bridge_);
    buildLayout();
    load();
}

MainWindow::~MainWindow()
{
    if (ownPrompter_)
        ownPrompter_->shutDown();
    runner_->waitIdle();
    link_->setObserver(nullptr);
    portChoice_->setObserver(nullptr);
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
    model_ = new ModelSelector(*context_, central);
    help_ = new QPushButton(Text::tr("帮助"), central);
    connect(help_, &QPushButton::clicked, this, &MainWindow::showMainHelp);
    helpViewer_ = new HelpViewer(this);
    context_->showHelp = [this](const QString& file, const QString& topic) {
        helpViewer_->showHelp(context_->folder, file, topic);
    };
    top_ = new QHBoxLayout;
    top_->addWidget(strip_, 1);
    top_->addWidget(model_);
    top_->addWidget(new LanguageSelector(*context_, central));
    top_->addWidget(help_);
    layout->addLayout(top_);

    auto* body = new QSplitter(Qt::Horizontal, central);
    panels_ = new QTabWidget(body);
    panels_->setObjectName(QStringLiteral("panels"));
    auto* sideColumn = new QWidget;
    side_ = new QVBoxLayout(sideColumn);
    side_->addStretch(1);
    sideArea_ = scrollingPanel(sideColumn, body);
    body->addWidget(panels_);
    body->addWidget(sideArea_);
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 1);
    body->setSizes({860, 330});
    connect(panels_, &QTabWidget::currentChanged, this,
            [this] { sideArea_->setVisible(!pagesWithoutSideColumn_.contains(panels_->currentWidget())); });

    sentData_ = new QLabel(central);
    sentData_->setObjectName(QStringLiteral("sentDataPane"));
    sentData_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The line's room stays while it is hidden, from the start on, as high as the line
    // with its words (the Chinese font may be taller than the Latin one), so that
    // showing and hiding it never moves the pages above it.
    sentData_->setText(Text::tr("你刚刚发送的数据：%1").arg(QStringLiteral("5A")));
    sentData_->setFixedHeight(sentData_->sizeHint().height());
    sentData_->clear();
    QSizePolicy keepsRoom = sentData_->sizePolicy();
    keepsRoom.setRetainSizeWhenHidden(true);
    sentData_->setSizePolicy(keepsRoom);
    sentData_->hide();
    sentDataTimer_ = new QTimer(this);
    sentDataTimer_->setObjectName(QStringLiteral("sentDataTimer"));
    sentDataTimer_->setSingleShot(true);
    sentDataTimer_->setInterval(kSentDataShownMs);
    connect(sentDataTimer_, &QTimer::timeout, sentData_, &QWidget::hide);

    traffic_ = new TrafficTable(central);

    auto* vertical = new QSplitter(Qt::Vertical, central);
    vertical->addWidget(body);
    vertical->addWidget(traffic_);
    vertical->setStretchFactor(0, 1);
    vertical->setStretchFactor(1, 0);
    vertical->setCollapsible(0, false);
    vertical->setCollapsible(1, false);
    const int trafficHeight = traffic_->heightForRows(kTrafficShownLines);
    vertical->setSizes({kOpeningSize.height() - trafficHeight, trafficHeight});
    layout->addWidget(vertical, 1);
    layout->addWidget(sentData_);
    setCentralWidget(central);

    connect(bridge_, &LinkBridge::portChoice, strip_, &SerialStrip::showPortChoice);
    connect(bridge_, &LinkBridge::baudChoice, strip_, &SerialStrip::showBaudChoice);
    connect(bridge_, &LinkBridge::statusText, strip_, &SerialStrip::showStatusText);
    connect(bridge_, &LinkBridge::sentData, this, &MainWindow::showSentData);
    connect(bridge_, &LinkBridge::traffic, traffic_, &TrafficTable::addRow);
}

void MainWindow::addPanel(QWidget* panel, const QString& title, SideColumn side)
{
    QScrollArea* page = scrollingPanel(panel, panels_);
    panels_->addTab(page, title);
    if (side == SideColumn::Hidden)
        pagesWithoutSideColumn_.append(page);
}

void MainWindow::addFoldingPanel(QWidget* panel, const QString& title)
{
    addPanel(panel, title);
    otherFunctions_ = new OtherFunctionsToggle(*panels_, *panel, centralWidget());
    top_->insertWidget(top_->indexOf(model_), otherFunctions_);
}

void MainWindow::addSidePanel(QWidget* panel)
{
    side_->insertWidget(side_->count() - 1, panel);
    // The side column is as wide as its widest panel, scroll bar included, as long as
    // that leaves room for the main area.
    const int width = panel->sizeHint().width() + sideArea_->verticalScrollBar()->sizeHint().width() + 8;
    sideArea_->setMinimumWidth(qMin(qMax(sideArea_->minimumWidth(), width), kSideColumnWidestMinimum));
}

// The start-up sequence, in its fixed order. Each subsystem's step stands at its place;
// the names of the steps that ran are kept, in order, for whoever wants to see the load.
void MainWindow::load()
{
    const auto step = [this](const char* name, const std::function<void()>& run) {
        run();
        startupSteps_.append(QString::fromLatin1(name));
    };

    // What a killed write left behind goes before any file is read.
    step("unfinished writes", [this] { RemoveUnfinishedWrites(context_->folder); });
    step("help files", [this] { ProvideHelpFiles(context_->folder); });
    // The panels, each with its lists at their default selections (the display-item
    // list is filled as its panel is built), and the other functions folded away.
    step("panels", [this] {
        scroll_ = InstallScrollPanels(*this);
        picture_ = InstallPicturePanels(*this);
        font_ = InstallFontPanels(*this);
        admin_ = InstallAdminPanels(*this);
        control_ = InstallControlPanels(*this);
    });
    step("screen scale", [] {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            SetScreenDotsPerInch(screen->logicalDotsPerInchX());
    });
    step("font", [this] { font_.loadStartupFont(); });
    // Window title; the sent-data pane's hide timer is off until something is sent.
    step("title", [this] {
        setWindowTitle(MainWindowTitle());
        sentDataTimer_->stop();
    });
    step("collapsed layout", [this] { otherFunctions_->fold(); });
    step("settings folder", [this] {
        admin_.resetSpecifiedAddress();
        context_->folder.ensureSettingsFolder();
    });
    step("address queue", [this] { admin_.loadQueue(); });
    // The serial port's fixed configuration, then the start timer.
    step("serial port", [this] {
        link_->setLineBaud(kStartupLineBaud);
        startTimer_ = new QTimer(this);
        startTimer_->setSingleShot(true);
        startTimer_->setInterval(kStartTimerMs);
        connect(startTimer_, &QTimer::timeout, this, &MainWindow::restorePortAndBaud);
        startTimer_->start();
    });
    step("KjSelect", [this] {
        LoadKjSelect(context_->folder);
        admin_.resetSpecifiedAddress();
    });
    step("device model", [this] { model_->applyStartupChoice(); });
    step("static text", [this] {
        if (const auto text = LoadStaticTextStart(context_->folder))
            picture_.editPage->editor()->setPlainText(*text);
    });
    step("send mode", [this] { scroll_.applyStartupMode(); });
    step("window size", [this] {
        resize(screen() ? kOpeningSize.boundedTo(screen()->availableGeometry().size()) : kOpeningSize);
    });
}

void MainWindow::restorePortAndBaud()
{
    startTimer_->stop();
    PortChoice& choice = *portChoice_;
    runner_->run([&choice](Prompter& p) { choice.startupRestore(p); });
}

void MainWindow::showSentData(const QString& paneText)
{
    sentData_->setText(paneText);
    sentData_->show();
    sentDataTimer_->start();
}

void MainWindow::showMainHelp()
{
    const HelpTopic topic = MainHelpTopic(context_->helpContext, scroll_.editor->sendMode());
    context_->showHelp(topic.file, topic.topic);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    font_.editor->armRedraw();
    scroll_.editor->relayForResize();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Back from a minimised window, the character list draws its thumbnails afresh.
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState
        && font_.editor->fontLoaded())
        font_.editor->armRedraw();
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
