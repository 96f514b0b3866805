// The panels "其它" and "应用测试（串口）" in the window: the menu's items reach their
// operations and the features they open, the hover highlight, the display-item menu,
// and the test panel's controls with what they send and show.

#include "control/device_menu.h"
#include "control_panels.h"
#include "device_menu_panel.h"
#include "display_test_panel.h"
#include "font_panel.h"
#include "link/link.h"
#include "link/port_choice.h"
#include "main_window.h"
#include "other_functions_toggle.h"
#include "screenshot.h"
#include "target_panel.h"
#include "test_bytes.h"
#include "window_fixture.h"
#include "help_viewer.h"
#include "write_address_dialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

class ControlWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window = openWindow();
        port->writes.clear();
        prompter.shown.clear();
    }
    ui::DeviceMenuPanel& menu() { return *window->controlPanels().menu; }
    ui::DisplayTestPanel& test() { return *window->controlPanels().test; }
    void toOneUnit(const QString& address)
    {
        window->adminPanels().target->setMode(SendMode::SpecifiedAddress);
        window->adminPanels().target->setSpecifiedAddress(address);
    }
    void clickItem(int number)
    {
        const DeviceMenuItem* item = nullptr;
        for (const DeviceMenuItem& entry : DeviceMenuItems())
            if (entry.number == number)
                item = &entry;
        ASSERT_NE(item, nullptr);
        menu().click(*item);
    }
    void press(const QString& caption)
    {
        QPushButton* button = test().button(caption);
        ASSERT_NE(button, nullptr) << caption.toStdString();
        button->click();
    }
    bool idle()
    {
        return WaitUntil([this] { return !window->runner().busy(); });
    }
    void showPage(const QString& title)
    {
        // The other functions start folded away; the operator opens them first.
        if (title == QStringLiteral("其它"))
            window->otherFunctionsToggle()->unfold();
        auto* pages = window->findChild<QTabWidget*>("panels");
        for (int i = 0; i < pages->count(); ++i)
            if (pages->tabText(i) == title)
                pages->setCurrentIndex(i);
        window->resize(1280, 720);
        window->show();
        QApplication::processEvents();
    }
    // The unit answers a check-byte frame of a code with the bytes.
    void answer(quint8 code, const QByteArray& reply)
    {
        replies[code] = reply;
        port->onWrite = [this](MemoryPort& memory, const QByteArray& frame) {
            if (frame.size() > 1 && replies.contains(quint8(frame.at(1))))
                memory.arrive(5, replies.value(quint8(frame.at(1))));
        };
    }

    std::unique_ptr<ui::MainWindow> window;
    QMap<quint8, QByteArray> replies;
};

// The whole screen, pop-up lists included, as NAME.png into KV_SCREENSHOTS.
void SaveScreen(const QString& name)
{
    const QString folder = qEnvironmentVariable("KV_SCREENSHOTS");
    QScreen* screen = QGuiApplication::primaryScreen();
    if (folder.isEmpty() || !screen)
        return;
    // The X server draws what the window painted once the events have run for a while.
    QElapsedTimer settle;
    settle.start();
    WaitUntil([&] { return settle.elapsed() > 500; });
    QDir().mkpath(folder);
    screen->grabWindow(0).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

TEST_F(ControlWindow, MenuItemsSendAndSetTheLastOperation)
{
    for (const DeviceMenuItem& item : DeviceMenuItems())
        EXPECT_EQ(menu().itemLabel(item.number)->text(), item.caption);
    toOneUnit("3");
    clickItem(15);
    ASSERT_TRUE(idle());
    EXPECT_EQ(port->writes, QList<QByteArray>{hex("5A5B03 13 00 10 00")});
    EXPECT_EQ(menu().lastOperationLabel()->text(), QStringLiteral(" 打开滚动"));

    port->writes.clear();
    clickItem(5);
    ASSERT_TRUE(idle());
    EXPECT_EQ(prompter.texts("ask"), QStringList{QStringLiteral("这个操作将删除所有的开机显示信息，确定吗？")});
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(ControlWindow, HoveringTurnsOneItemRedUntilThePointerLeavesIt)
{
    showPage(QStringLiteral("其它"));
    QLabel* eight = menu().itemLabel(8);
    QLabel* nine = menu().itemLabel(9);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(eight, &enter);
    EXPECT_EQ(eight->palette().color(QPalette::WindowText), QColor(Qt::red));
    QApplication::sendEvent(nine, &enter);
    EXPECT_EQ(nine->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(eight->palette().color(QPalette::WindowText), menu().palette().color(QPalette::ButtonText));
    EXPECT_EQ(menu().highlighted(), 9);
    // Leaving the old item after the new one lit up leaves the new one lit.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(eight, &leave);
    EXPECT_EQ(menu().highlighted(), 9);
    QApplication::sendEvent(nine, &leave);
    EXPECT_FALSE(menu().highlighted());
    EXPECT_NE(nine->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(ControlWindow, TheDisplayItemMenuOpensBesideItsItemAndSends)
{
    showPage(QStringLiteral("其它"));
    QComboBox* list = menu().displayItemList();
    EXPECT_FALSE(list->isEnabled());
    ASSERT_EQ(list->count(), 18);
    clickItem(6);
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(WaitUntil([&] { return list->view()->isVisible(); }));
    const int itemTop = menu().itemLabel(6)->mapTo(&menu(), QPoint(0, 0)).y();
    EXPECT_LE(std::abs(list->mapTo(&menu(), QPoint(0, 0)).y() - itemTop), 4);
    SaveScreenshot(*window, "control_menu");
    SaveScreen("control_menu_open");
    list->hidePopup();

    list->activated(16);
    ASSERT_TRUE(idle());
    EXPECT_EQ(port->writes, QList<QByteArray>{hex("5A5BFF 13 00 07 00")});
    port->writes.clear();
    list->activated(8);
    list->activated(17);
    ASSERT_TRUE(idle());
    window->adminPanels().writeAddress->open();
    list->activated(0);
    ASSERT_TRUE(idle());
    window->adminPanels().writeAddress->close();
    window->context().portChoice.setPortChoiceQuietly(0);
    list->activated(0);
    ASSERT_TRUE(idle());
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(ControlWindow, ItemsOpenTheFeaturesTheyReach)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        EXPECT_NE(button->text(), QStringLiteral("写入设备地址…"));
        EXPECT_NE(button->text(), QStringLiteral("读取指定设备当前字幕信息"));
    }
    clickItem(1);
    EXPECT_TRUE(window->adminPanels().writeAddress->isVisible());
    EXPECT_TRUE(window->context().writeAddressDialogVisible);
    window->adminPanels().writeAddress->close();

    toOneUnit("255");
    clickItem(7);
    ASSERT_TRUE(idle());
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！")});

    prompter.shown.clear();
    clickItem(4);
    ASSERT_TRUE(idle());
    ASSERT_EQ(prompter.texts("ask").size(), 1);
    EXPECT_TRUE(prompter.texts("ask").first().startsWith(QStringLiteral("这个操作将读出设备的波特率")));

    prompter.shown.clear();
    clickItem(0);
    EXPECT_TRUE(prompter.shown.isEmpty());
    ASSERT_TRUE(window->helpViewer()->isVisible());
    EXPECT_EQ(window->helpViewer()->windowTitle(), QStringLiteral("使用帮助---其他功能"));
    EXPECT_EQ(menu().lastOperationLabel()->text(), QStringLiteral("使用帮助"));
}

TEST_F(ControlWindow, TheTestPanelStartsAtItsChoicesAndSendsTheDisplayTest)
{
    showPage(QStringLiteral("应用测试（串口）"));
    SaveScreenshot(*window, "control_test_panel");
    EXPECT_EQ(test().rowList()->currentText(), "8");
    EXPECT_EQ(test().columnList()->currentText(), "16");
    EXPECT_EQ(test().shapeList()->currentText(), "0");
    EXPECT_EQ(test().horizontalOffsetList()->currentText(), "30");
    EXPECT_EQ(test().verticalOffsetList()->currentText(), "18");
    EXPECT_EQ(test().attributeList()->currentText(), QStringLiteral("原样"));
    EXPECT_EQ(test().clearList()->currentText(), QStringLiteral("清全屏"));
    EXPECT_EQ(test().videoModeList()->currentText(), QStringLiteral("PAL模式,内外频自动切换"));
    EXPECT_EQ(test().codeBox()->text(), "72,73,74");

    press(QStringLiteral("显示字符测试"));
    ASSERT_TRUE(idle());
    const QByteArray frame = withCheck(hex("5AF401 06 05 0C 48 49 4A"));
    EXPECT_EQ(port->writes, QList<QByteArray>{frame});
    ASSERT_TRUE(WaitUntil([&] { return window->sentDataPane()->isVisible(); }));
    EXPECT_EQ(window->sentDataPane()->text(),
              QStringLiteral("你刚刚发送的数据：") + QString::fromLatin1(frame.toHex(' ').toUpper()) + " ");

    port->writes.clear();
    test().codeBox()->setText("256");
    press(QStringLiteral("显示字符测试"));
    ASSERT_TRUE(idle());
    test().clearList()->setCurrentIndex(0);
    test().clearButton()->click();
    ASSERT_TRUE(idle());
    EXPECT_EQ(prompter.texts("failure"), QStringList{QStringLiteral("输入必须是十进制数且不能大于255")});
    EXPECT_EQ(port->writes, QList<QByteArray>{withCheck(hex("5AF101 02 00"))});
}

TEST_F(ControlWindow, CrosshairStepsShowTheUnitsShape)
{
    answer(0xE1, hex("15"));
    answer(0xE2, hex("15"));
    press(QStringLiteral("↑"));
    ASSERT_TRUE(idle());
    EXPECT_EQ(test().shapeList()->currentText(), "21");
    EXPECT_EQ(port->writes.last(), withCheck(hex("5AE200 02 15")));

    answer(0xE1, hex("05"));
    answer(0xE2, hex("04"));
    press(QStringLiteral("↓"));
    ASSERT_TRUE(idle());
    EXPECT_EQ(test().shapeList()->currentText(), "4");
    EXPECT_TRUE(prompter.texts("error").isEmpty());
}

TEST_F(ControlWindow, VideoModeTriesOnlyOnceReadyAndStores)
{
    // Until start-up has drawn the character list, a choice sends nothing.
    ui::DisplayTestPanel early(window->context(), [] { return false; });
    early.videoModeList()->activated(3);
    ASSERT_TRUE(idle());
    EXPECT_TRUE(port->writes.isEmpty());

    ASSERT_TRUE(WaitUntil([&] { return window->fontPanel()->ready(); }));
    test().videoModeList()->activated(3);
    ASSERT_TRUE(idle());
    EXPECT_EQ(port->writes, QList<QByteArray>{withCheck(hex("5AF001 02 03"))});

    answer(0xE3, hex("88"));
    test().videoModeList()->setCurrentIndex(5);
    press(QStringLiteral("保存视频显示模式 ↑"));
    ASSERT_TRUE(idle());
    EXPECT_EQ(port->writes.last(), withCheck(hex("5AE300 02 05")));
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("设置成功")});

    answer(0xE0, hex("88"));
    test().rowList()->setCurrentIndex(0);
    test().columnList()->setCurrentIndex(0);
    press(QStringLiteral("保存设置"));
    ASSERT_TRUE(idle());
    EXPECT_EQ(port->writes.last(), withCheck(hex("5AE000 06 1E 12 00 02 03")));
}
