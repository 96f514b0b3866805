// The scroll panels: that the controls reach the operations and the outcomes reach
// the controls.

#include "base/record_store.h"
#include "link_fixture.h"
#include "operation_runner.h"
#include "screenshot.h"
#include "scroll_editor_panel.h"
#include "scroll_params_panel.h"
#include "ui_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;
using kv::ui::ScrollEditorPanel;
using kv::ui::ScrollParamsPanel;

class ScrollPanels : public LinkFixture {
protected:
    void SetUp() override { UiApp(); }

    // A button press whose operation runs on the worker thread; returns once it is over.
    void press(QPushButton* button)
    {
        button->click();
        runner.waitIdle();
    }

    // A left click released on the editor with the caret at position.
    void releaseAt(ScrollEditorPanel& panel, int position)
    {
        QTextCursor cursor = panel.editor()->textCursor();
        cursor.setPosition(position);
        panel.editor()->setTextCursor(cursor);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel.editor()->viewport(), &release);
    }

    TargetChoice target{SendMode::SpecifiedAddress, QStringLiteral("7"), QString()};
    ui::OperationRunner runner{prompter};
    ui::PanelContext context{folder, link, choice, runner, prompter, nullptr, [this] { return target; }, {}};
};

TEST_F(ScrollPanels, ModeListRelaysThePanel)
{
    ScrollEditorPanel panel(context);
    EXPECT_EQ(panel.modeMenu()->actions().size(), 10);
    EXPECT_EQ(panel.sendFrame()->title(), QStringLiteral("当前发送模式 >> 滚动—内置大号字库"));
    panel.modeMenu()->actions().at(4)->trigger();
    EXPECT_EQ(panel.sendMode(), 4);
    EXPECT_EQ(panel.secondButton()->text(), QStringLiteral("设为开机"));
    EXPECT_EQ(panel.editor()->toPlainText().split(QLatin1Char('\n')).size(), 16);
    EXPECT_TRUE(panel.editor()->isReadOnly());
    EXPECT_TRUE(panel.powerOnBox()->isHidden());
    panel.chooseSendMode(1);
    EXPECT_EQ(panel.secondButton()->text(), QStringLiteral("追加发送"));
    EXPECT_FALSE(panel.editor()->isReadOnly());
}

TEST_F(ScrollPanels, ClickInTheEntryListPicksAndHighlightsTheLine)
{
    QString error;
    RecordStore(folder).writeLines(QStringLiteral("DXD"),
                                        {QStringLiteral("[01]:晴"), QStringLiteral("[02]:雨"), QStringLiteral("[03]:雪")},
                                        &error);
    ScrollEditorPanel panel(context);
    panel.chooseSendMode(2);
    releaseAt(panel, 7);
    EXPECT_EQ(panel.entryNumberBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(panel.entryDescriptionBox()->text(), QStringLiteral("雨"));
    EXPECT_EQ(panel.editor()->textCursor().selectedText(), QStringLiteral("[02]:雨"));
    panel.resize(640, 420);
    SaveScreenshot(panel, QStringLiteral("scroll_editor_entry_list"));

    press(panel.refreshButton());
    EXPECT_EQ(port->writes, QList<QByteArray>{QByteArray::fromHex("5A5B0783000100" "00")});
}

TEST_F(ScrollPanels, EntryModesRefuseTheBroadcastAddressOnChoosing)
{
    target.specifiedAddress = QStringLiteral("255");
    ScrollEditorPanel panel(context);
    panel.editor()->setPlainText(QStringLiteral("草稿"));
    panel.chooseSendMode(3);
    EXPECT_EQ(prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("这个操作只能制定特定设备")});
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("草稿"));
}

TEST_F(ScrollPanels, SendWithTimerMarksTheTimerBoxAndKeepsTheText)
{
    ScrollEditorPanel panel(context);
    panel.editor()->setPlainText(QStringLiteral("A\nB"));
    panel.timerBox()->setText(QStringLiteral("10"));
    panel.powerOnBox()->setChecked(true);
    press(panel.secondButton());
    ASSERT_EQ(port->writes.size(), 4);
    EXPECT_EQ(port->writes.at(0), QByteArray::fromHex("5A5B07220001"));
    EXPECT_EQ(port->writes.at(1), QByteArray::fromHex("200006"));
    EXPECT_TRUE(panel.timerMarked());
    EXPECT_EQ(RecordStore(folder).readText(QStringLiteral("Fszk_Gdd")), QStringLiteral("A\r\nB"));

    // A new panel (a restart) brings the text back from the record.
    ScrollEditorPanel again(context);
    EXPECT_EQ(again.editor()->toPlainText(), QStringLiteral("A\nB"));
}

TEST_F(ScrollPanels, TimerBoxRefusesBadValuesAndResets)
{
    ScrollEditorPanel panel(context);
    panel.timerBox()->setText(QStringLiteral("60001"));
    Q_EMIT panel.timerBox()->textEdited(panel.timerBox()->text());
    EXPECT_EQ(panel.timerBox()->text(), QStringLiteral("0"));
    EXPECT_EQ(prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("定时时间不能大于60000秒(16.6小时)")});
}

TEST_F(ScrollPanels, StartupModeComesFromEndFsMode)
{
    folder.ensureSettingsFolder();
    WriteTextFile(folder.settingsPath(QStringLiteral("end_fs_mode.txt")), QStringLiteral("12"));
    ScrollEditorPanel panel(context);
    panel.applyStartupMode();
    EXPECT_EQ(panel.sendMode(), 0);
    WriteTextFile(folder.settingsPath(QStringLiteral("end_fs_mode.txt")), QStringLiteral("4"));
    panel.applyStartupMode();
    EXPECT_EQ(panel.sendMode(), 4);
}

TEST_F(ScrollPanels, ParametersPanelSendsItsChoices)
{
    ScrollParamsPanel panel(context);
    EXPECT_EQ(panel.repetitionBox()->count(), 25);
    EXPECT_EQ(panel.speedBox()->currentText(), QStringLiteral("8(默认)"));
    SaveScreenshot(panel, QStringLiteral("scroll_params"));
    panel.repetitionBox()->setCurrentIndex(0);
    panel.offsetBox()->setCurrentIndex(12);
    panel.intervalBox()->setText(QStringLiteral("60000"));
    press(panel.setButton());
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), QByteArray::fromHex("5A5B072000"));
    EXPECT_EQ(port->writes.at(1), QByteArray::fromHex("020190000000000830" "0000EA60"));
}

TEST_F(ScrollPanels, PositionBoxKeepsToThePalLimit)
{
    ScrollParamsPanel panel(context);
    panel.positionBox()->setText(QStringLiteral("591"));
    Q_EMIT panel.positionBox()->textEdited(panel.positionBox()->text());
    EXPECT_EQ(panel.positionBox()->text(), QStringLiteral("70"));
    panel.positionBox()->setText(QStringLiteral("590"));
    Q_EMIT panel.positionBox()->textEdited(panel.positionBox()->text());
    EXPECT_EQ(panel.positionBox()->text(), QStringLiteral("590"));
    EXPECT_EQ(prompter.texts(QStringLiteral("error")).size(), 1);
}
