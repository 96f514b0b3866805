// The administration panels in the window: the queue, the send-mode options, the
// stored-scroll drop-down, the scan, the identity panel and the write-address dialog.

#include "window_fixture.h"
#include "admin_fixture.h"
#include "identity_panel.h"
#include "link/link.h"
#include "main_window.h"
#include "memory_port.h"
#include "operation_runner.h"
#include "queue_panel.h"
#include "recording_prompter.h"
#include "screenshot.h"
#include "serial_strip.h"
#include "target_panel.h"
#include "ui_app.h"
#include "wait_until.h"
#include "write_address_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

class AdminWindow : public WindowFixture {
protected:
    void writeQueue(const QByteArray& bytes)
    {
        QFile file(AppFolder(dir.path()).path("data.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Opens the window and lets the start-up restore run; the traffic starts afresh.
    void open()
    {
        window = openWindow();
        port->writes.clear();
        prompter.shown.clear();
    }
    bool idle()
    {
        return WaitUntil([this] { return !window->startTimer()->isActive() && !window->runner().busy(); });
    }
    const ui::AdminPanels& panels() const { return window->adminPanels(); }
    QTreeWidget* list() const { return panels().queue->list(); }
    void tick(int row) { list()->topLevelItem(row)->setCheckState(0, Qt::Checked); }

    std::unique_ptr<ui::MainWindow> window;
};

TEST_F(AdminWindow, StartUpLoadsTheQueueAndTicksReachTheTarget)
{
    writeQueue("12\r\nA\r\n3\r\nB\r\n7\r\nC\r\n\r\n");
    open();
    EXPECT_EQ(panels().queue->title(), QStringLiteral("设备地址队列 -- 共有3条设备地址记录"));
    ASSERT_EQ(list()->topLevelItemCount(), 3);
    EXPECT_EQ(list()->topLevelItem(0)->text(0), "3");
    EXPECT_EQ(list()->topLevelItem(2)->text(1), "A");
    window->show();
    SaveScreenshot(*window, "admin_panels");

    tick(0);
    tick(2);
    panels().target->setMode(SendMode::AddressQueue);
    const TargetChoice choice = window->context().target();
    EXPECT_EQ(choice.mode, SendMode::AddressQueue);
    EXPECT_EQ(choice.queueAddressString, "003012");
    QFile ticks(AppFolder(dir.path()).settingsPath("Lv1Checked.TXT"));
    ASSERT_TRUE(ticks.open(QIODevice::ReadOnly));
    EXPECT_EQ(ticks.readAll(), "101");
}

TEST_F(AdminWindow, QueueButtonsEditTheListAndTheRightButtonDeletes)
{
    open();
    EXPECT_EQ(panels().queue->title(), QStringLiteral("设备地址队列"));
    panels().queue->addressEntry()->setText("abc");
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("地址码必须为0-254的十进制数")});
    EXPECT_EQ(panels().queue->addressEntry()->text(), "0");

    panels().queue->addressEntry()->setText("9");
    panels().queue->descriptionEntry()->setText("nine");
    panels().queue->addButton()->click();
    EXPECT_EQ(panels().queue->title(), QStringLiteral("设备地址队列 -- 共有1条记录"));
    ASSERT_EQ(list()->topLevelItemCount(), 1);

    // A click copies the entry into the entry boxes; modify then renames it.
    const QRect row = list()->visualItemRect(list()->topLevelItem(0));
    list()->setCurrentItem(list()->topLevelItem(0));
    emit list()->itemClicked(list()->topLevelItem(0), 0);
    EXPECT_EQ(panels().queue->addressEntry()->text(), "9");
    panels().queue->descriptionEntry()->setText("renamed");
    panels().queue->modifyButton()->click();
    EXPECT_EQ(panels().queue->title(), QStringLiteral("共有1条记录"));
    EXPECT_EQ(list()->topLevelItem(0)->text(1), "renamed");

    list()->setCurrentItem(list()->topLevelItem(0));
    prompter.answers = {true};
    QMouseEvent release(QEvent::MouseButtonRelease, row.center(), list()->viewport()->mapToGlobal(row.center()),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list()->viewport(), &release);
    EXPECT_EQ(prompter.texts("ask"), QStringList{QStringLiteral("真的要删除地址为 9 的记录吗？")});
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(panels().queue->title(), QStringLiteral("设备地址队列 -- 共有0条设备地址记录"));
}

TEST_F(AdminWindow, HelpShowsTheQueueHelpOrSaysItIsMissing)
{
    open();
    panels().queue->helpButton()->click();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].title, QStringLiteral("使用帮助---编辑设备地址"));
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("帮助文件未找到"));

    QDir(dir.path()).mkpath("help");
    QFile help(dir.path() + "/help/edit_addr_readme.txt");
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("a\nb\n");
    help.close();
    panels().queue->helpButton()->click();
    EXPECT_EQ(prompter.shown.last().text, "a\r\nb");
}

TEST_F(AdminWindow, SpecifiedAddressBoxRefusesWhatIsNoAddress)
{
    open();
    QLineEdit* box = panels().target->specifiedAddressBox();
    EXPECT_EQ(box->text(), "0");
    box->setText("300");
    EXPECT_EQ(box->text(), "0");
    box->setText("a");
    EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(prompter.texts("error"),
              QStringList({QStringLiteral("地址码不能大于255"), QStringLiteral("地址码必须为0-255的十进制数")}));
}

TEST_F(AdminWindow, StoredScrollDropDownPlaysToTheTarget)
{
    open();
    panels().target->setMode(SendMode::SpecifiedAddress);
    panels().target->specifiedAddressBox()->setText("2");
    QComboBox* stored = panels().target->storedScrollBox();
    ASSERT_EQ(stored->count(), 17);
    emit stored->activated(5);
    ASSERT_TRUE(idle());
    ASSERT_EQ(port->writes.size(), 1);
    EXPECT_EQ(port->writes[0], Bytes({0x5A, 0x5B, 0x02, 0x86, 0x01, 0x04, 0x00}));
}

TEST_F(AdminWindow, ScanRunsOnTheQueueAndPutsTheSendModeBack)
{
    writeQueue("3\r\nB\r\n7\r\nC\r\n12\r\nA\r\n");
    open();
    panels().target->setMode(SendMode::Broadcast);
    panels().queue->scanButton()->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！")});
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_TRUE(panels().target->option(SendMode::Broadcast)->isChecked());

    for (int row = 0; row < 3; ++row)
        tick(row);
    port->onWrite = [](MemoryPort& memory, const QByteArray& frame) {
        if (frame.size() == 6 && (frame.at(2) == 3 || frame.at(2) == 12))
            memory.arrive(2, frame.mid(2, 1));
    };
    panels().target->setMode(SendMode::SpecifiedAddress);
    panels().queue->scanButton()->click();
    EXPECT_TRUE(panels().target->option(SendMode::AddressQueue)->isChecked());
    ASSERT_TRUE(idle());
    EXPECT_EQ(port->writes.size(), 3);
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("共检测到2个连接的设备，分别为：\r\n"
                                                                    "地址码为：3的设备\r\n地址码为：12的设备\r\n")});
    EXPECT_TRUE(panels().target->option(SendMode::SpecifiedAddress)->isChecked());
}

TEST_F(AdminWindow, DeviceAddressBoxDropsSpacesAndRefusesZero)
{
    open();
    QLineEdit* box = window->serialStrip()->deviceAddressBox();
    box->setText("1 2");
    EXPECT_EQ(box->text(), "12");
    box->setText("0");
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("有效数值1-255,0为广播地址")});
}

TEST_F(AdminWindow, IdentityReadMovesTheBaudChoiceAndTheDeviceAddressBox)
{
    open();
    port->onWrite = [this](MemoryPort& memory, const QByteArray& frame) {
        if (frame == Bytes({0x5A, 0xF7, 0x00, 0x01, 0xAC}) && port->openBauds.last() == 19200)
            memory.arrive(2, Bytes({0x01, 0x05, 0x04}));
    };
    prompter.answers = {true};
    EXPECT_EQ(panels().identity->newBaudList()->currentText(), "115200");
    panels().identity->readButton()->click();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(WaitUntil([this] { return window->serialStrip()->baudCombo()->currentText() == "19200"; }));
    EXPECT_EQ(window->serialStrip()->deviceAddressBox()->text(), "5");
}

TEST_F(AdminWindow, ProductNumberAsksTheUnitOfTheDeviceAddressBox)
{
    open();
    window->serialStrip()->deviceAddressBox()->setText("3");
    panels().identity->productNumberButton()->click();
    ASSERT_TRUE(idle());
    ASSERT_FALSE(port->writes.isEmpty());
    EXPECT_EQ(port->writes[0], Bytes({0x5A, 0xF9, 0x03, 0x01, 0xA1}));
    EXPECT_EQ(prompter.texts("failure"), QStringList{QStringLiteral("读出失败")});
}

TEST_F(AdminWindow, WriteAddressDialogHoldsTheBaudHandlersAndFillsTheSpecifiedAddress)
{
    open();
    window->context().openWriteAddressDialog();
    ui::WriteAddressDialog* dialog = panels().writeAddress;
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(window->context().writeAddressDialogVisible);
    EXPECT_EQ(dialog->addressBox()->text(), "0");
    // A rate chosen now only shows: nothing is broadcast and BTL.TXT stays as it was.
    window->findChild<QComboBox*>("baudCombo")->setCurrentIndex(5);
    ASSERT_TRUE(idle());
    EXPECT_TRUE(port->writes.isEmpty());
    QFile saved(AppFolder(dir.path()).settingsPath("BTL.TXT"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "3");

    dialog->addressBox()->setText("200");
    prompter.answers = {true};
    dialog->writeButton()->click();
    ASSERT_TRUE(idle());
    EXPECT_TRUE(WaitUntil([dialog] { return !dialog->isVisible(); }));
    EXPECT_FALSE(window->context().writeAddressDialogVisible);
    EXPECT_EQ(port->writes, QList<QByteArray>{Bytes({0x5A, 0x5B, 0xFF, 0x11, 0x00, 0xC8})});
    EXPECT_EQ(panels().target->specifiedAddressBox()->text(), "200");
}

} // namespace
