// The main window: the start-up sequence and its first-start files, the serial strip,
// the sent-data pane, and the one-operation-at-a-time rule.

#include "base/operation_guard.h"
#include "file_bytes.h"
#include "link/line_session.h"
#include "main_window.h"
#include "memory_port.h"
#include "operation_runner.h"
#include "port_map_dialog.h"
#include "app/language_setup.h"
#include "recording_prompter.h"
#include "screenshot.h"
#include "serial_strip.h"
#include "traffic_table.h"
#include "ui_app.h"
#include "ui_prompter.h"
#include "wait_until.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <vector>
#include <atomic>

using namespace kv;
using namespace kv::test;

namespace {

class MainWindowTest : public WindowFixture {
protected:
    std::unique_ptr<ui::MainWindow> open() { return openWindow(); }

    // The start timer has fired and its restore has run.
    bool restored(ui::MainWindow& window)
    {
        return WaitUntil([&] { return !window.startTimer()->isActive() && !window.runner().busy(); });
    }
};

} // namespace

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderCreatesTheSettingsFiles)
{
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "KV820T字符叠加器测试及字库编辑软件V1.1");
    EXPECT_EQ(window->startTimer()->interval(), 500);
    ASSERT_TRUE(restored(*window));
    const AppFolder folder(dir.path());
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "1");
    EXPECT_EQ(FileBytes(folder.settingsPath("BTL.TXT")), "3");
    EXPECT_EQ(FileBytes(folder.settingsPath("KjSelect.txt")), "0");
    EXPECT_TRUE(prompter.shown.isEmpty());

    // The restore broadcast the rate at the start-up line settings of 115200 baud.
    EXPECT_EQ(port->openBauds.last(), 115200);
    EXPECT_EQ(port->written, QByteArray::fromHex("5A5BFF177703"));
    ASSERT_TRUE(WaitUntil([&] { return !window->serialStrip()->statusPane()->text().isEmpty(); }));
    EXPECT_EQ(window->serialStrip()->statusPane()->text(), "  串 口：COM1  波特率：9600,N,8,1");
    EXPECT_EQ(window->serialStrip()->portCombo()->currentText(), "COM1");
    EXPECT_EQ(window->serialStrip()->baudCombo()->currentText(), "9600");
    // The restore's frame is a row of the traffic table, named.
    QTableWidget* traffic = window->trafficLog()->table();
    ASSERT_GE(traffic->rowCount(), 1);
    EXPECT_EQ(traffic->item(0, 1)->text(), "115200");
    EXPECT_EQ(traffic->item(0, 2)->text(), "发送");
    EXPECT_EQ(traffic->item(0, 3)->text(), "5A 5B FF 17 77 03");
    EXPECT_EQ(traffic->item(0, 4)->text(), "0x17 改波特率 波特率 9600 → 全部");
    window->show();
    SaveScreenshot(*window, "main_window");
}

TEST_F(MainWindowTest, ChoosingABaudRateInTheStripRunsTheHandler)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    port->written.clear();
    window->serialStrip()->baudCombo()->setCurrentIndex(4);
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy() && window->link().lineBaud() == 19200; }));
    EXPECT_EQ(port->written, QByteArray::fromHex("5A5BFF177704"));
    ASSERT_TRUE(WaitUntil([&] { return window->serialStrip()->statusPane()->text().contains("19200"); }));
    EXPECT_EQ(FileBytes(AppFolder(dir.path()).settingsPath("BTL.TXT")), "4");
}

TEST_F(MainWindowTest, AMissingPortResetsTheStripToClosed)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    port->failOpenWith = 8002;
    window->serialStrip()->portCombo()->setCurrentIndex(5);
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy() && window->serialStrip()->portCombo()->currentIndex() == 0; }));
    EXPECT_EQ(prompter.texts("error"), QStringList{"该串口不存在！"});
    EXPECT_EQ(FileBytes(AppFolder(dir.path()).settingsPath("COM.TXT")), "0");
}

TEST_F(MainWindowTest, TheSentDataPaneShowsTheEchoForTwentySeconds)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    window->show();
    Link& link = window->link();
    window->runner().run([&link](Prompter&) { LineSession(link).echo(QByteArray::fromHex("5AF90101A3")); });
    ASSERT_TRUE(WaitUntil([&] { return window->sentDataPane()->isVisible(); }));
    EXPECT_EQ(window->sentDataPane()->text(), "你刚刚发送的数据：5A F9 01 01 A3 ");
    auto* timer = window->findChild<QTimer*>("sentDataTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 20000);
    EXPECT_TRUE(timer->isSingleShot());
}

// The line appears under the pages while a frame is shown and goes when its timer
// fires; the pages and the traffic log above it stay where they are, so nothing moves
// under the operator's pointer.
TEST_F(MainWindowTest, TheSentDataLineKeepsItsRoomWhenItIsShownAndHidden)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    window->resize(1280, 720);
    window->show();
    QApplication::processEvents();
    QWidget* above = window->trafficLog()->parentWidget();
    const QRect before = above->geometry();

    Link& link = window->link();
    window->runner().run([&link](Prompter&) { LineSession(link).echo(QByteArray::fromHex("5A5BFF8800200010000096F0010000")); });
    ASSERT_TRUE(WaitUntil([&] { return window->sentDataPane()->isVisible(); }));
    QApplication::processEvents();
    EXPECT_EQ(above->geometry(), before);
    SaveScreenshot(*window, QStringLiteral("sent_data_shown_1280x720"));

    auto* timer = window->findChild<QTimer*>("sentDataTimer");
    ASSERT_NE(timer, nullptr);
    timer->start(0);
    ASSERT_TRUE(WaitUntil([&] { return !window->sentDataPane()->isVisible(); }));
    QApplication::processEvents();
    EXPECT_EQ(above->geometry(), before);
    SaveScreenshot(*window, QStringLiteral("sent_data_hidden_1280x720"));
}

// The port map lists each port found with its name, device, description and USB ids;
// the dialog is as large as that list, so no column and no row is cut off.
TEST_F(MainWindowTest, ThePortMapDialogShowsEveryColumnOfThePortsFound)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    const QList<SystemPort> found = {
        {"ttyUSB0", "/dev/ttyUSB0", "FT232R USB UART", "0403:6001"},
        {"ttyUSB1", "/dev/ttyUSB1", "USB-Serial Controller D (Prolific Technology Inc.)", "067b:2303"},
        {"ttyACM0", "/dev/ttyACM0", "CH340 serial converter", "1a86:7523"},
        {"ttyS0", "/dev/ttyS0", "", ""},
    };
    ui::PortMapDialog dialog(AppFolder(dir.path()), found, 9600, window.get());
    dialog.show();
    QApplication::processEvents();
    auto* list = dialog.findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), found.size());
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->topLevelItem(row)))) << row;
    for (int column = 0; column < list->columnCount(); ++column) {
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            EXPECT_GT(list->columnWidth(column),
                      list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(column)))
                << row << " " << column;
        EXPECT_LE(list->header()->sectionViewportPosition(column) + list->columnWidth(column),
                  list->viewport()->width())
            << column;
    }
    EXPECT_LE(dialog.width(), 1280);
    EXPECT_LE(dialog.height(), 720);
    SaveScreenshot(dialog, QStringLiteral("port_map_dialog"));
}

TEST_F(MainWindowTest, ASecondOperationIsRefusedWhileOneRuns)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    std::atomic<bool> release{false};
    std::atomic<bool> started{false};
    ASSERT_TRUE(window->runner().run([&](Prompter&) {
        started = true;
        while (!release)
            QThread::msleep(1);
    }));
    ASSERT_TRUE(WaitUntil([&] { return started.load(); }));
    bool secondRan = false;
    EXPECT_FALSE(window->runner().run([&](Prompter&) { secondRan = true; }));
    EXPECT_EQ(prompter.texts("error"), QStringList{OperationGuard::busyText()});
    release = true;
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy(); }));
    EXPECT_FALSE(secondRan);
}

TEST_F(MainWindowTest, AnOutcomeReachesTheWindowAndAFailedOperationGivesTheEmptyOne)
{
    auto window = open();
    ASSERT_TRUE(restored(*window));
    std::vector<std::optional<int>> received;
    const auto keep = [&](std::optional<int> outcome) { received.push_back(outcome); };
    ASSERT_TRUE(window->runner().run<std::optional<int>>([](Prompter&) { return std::optional<int>(42); }, keep));
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy(); }));
    ASSERT_TRUE(window->runner().run<std::optional<int>>(
        [](Prompter&) -> std::optional<int> { throw std::runtime_error("boom"); }, keep));
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy(); }));
    EXPECT_EQ(received, (std::vector<std::optional<int>>{42, std::nullopt}));
    EXPECT_EQ(prompter.texts("error"), QStringList{"操作失败：boom"});
}

TEST_F(MainWindowTest, ALongOperationShowsProgressAndStopsWhenCancelled)
{
    ui::UiPrompter uiPrompter(nullptr);
    std::atomic<int> stepsTaken{0};
    std::atomic<bool> finished{false};
    QThread* worker = QThread::create([&] {
        ProgressScope progress(uiPrompter, "读取字库", "正在读取字库", 256);
        for (int code = 0; code < 256; ++code) {
            if (!progress.step(code, QString::number(code)))
                break;
            stepsTaken = code + 1;
            QThread::msleep(5);
        }
        finished = true;
    });
    worker->start();
    QProgressDialog* dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible())
                dialog = d;
        return dialog != nullptr;
    }));
    EXPECT_EQ(dialog->maximum(), 256);
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "取消");
    cancel->click();
    ASSERT_TRUE(WaitUntil([&] { return finished.load(); }));
    worker->wait();
    delete worker;
    EXPECT_LT(stepsTaken.load(), 256);
}

// Qt's Chinese buttons carry their keyboard mnemonic: "是(&Y)".
QString WithoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
}

TEST(QtTranslations, StandardButtonsReadChinese)
{
    ASSERT_TRUE(InstallLanguage(UiApp(), Language::Chinese));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(WithoutMnemonic(box.button(QMessageBox::Ok)->text()), "确定");
    EXPECT_EQ(WithoutMnemonic(box.button(QMessageBox::Yes)->text()), "是");
    EXPECT_EQ(WithoutMnemonic(box.button(QMessageBox::No)->text()), "否");
}

// The direction filter hides the other direction's rows, and the copy takes the bytes of
// the selected rows that are shown, whole even where the table shortens them.
TEST(TrafficTable, FilterHidesTheOtherDirectionAndCopyTakesTheShownSelection)
{
    UiApp();
    ui::TrafficTable pane;
    const QByteArray picture(100, '\x01');
    pane.addRow({0, true, 9600, QByteArray::fromHex("5AF90101A3"), QStringLiteral("0xF9 读产品号 → 地址 1")});
    pane.addRow({0, false, 9600, QByteArray::fromHex("1234567808"), QStringLiteral("应答 完整 5/5 字节")});
    pane.addRow({0, true, 9600, picture, QStringLiteral("续 0x88 图片")});
    QTableWidget* table = pane.table();
    EXPECT_TRUE(table->item(2, 3)->text().endsWith(QStringLiteral("… (100 字节)")));

    pane.directionFilter()->setCurrentIndex(1);
    EXPECT_FALSE(table->isRowHidden(0));
    EXPECT_TRUE(table->isRowHidden(1));
    table->selectAll();
    EXPECT_EQ(pane.selectedHex(), "5A F9 01 01 A3\n" + QString::fromLatin1(picture.toHex(' ').toUpper()));

    pane.directionFilter()->setCurrentIndex(2);
    EXPECT_TRUE(table->isRowHidden(0));
    EXPECT_FALSE(table->isRowHidden(1));
    pane.directionFilter()->setCurrentIndex(0);
    EXPECT_FALSE(table->isRowHidden(1));
}
