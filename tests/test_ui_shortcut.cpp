// The shortcut editor in the window: the mode buttons, the composition, the save on
// the line and in the shortcut list, and how it opens above the scroll editor.

#include "link_fixture.h"
#include "operation_runner.h"
#include "scroll_editing_panels.h"
#include "scroll_editor_panel.h"
#include "screenshot.h"
#include "shortcut_editor_panel.h"
#include "test_bytes.h"
#include "ui_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;
using kv::ui::ScrollEditingPanels;
using kv::ui::ScrollEditorPanel;
using kv::ui::ShortcutEditorPanel;

class ShortcutPanel : public LinkFixture {
protected:
    void SetUp() override { UiApp(); }

    void addSegment(ShortcutEditorPanel& panel, QPushButton* mode, const QString& input)
    {
        mode->click();
        panel.inputBox()->setPlainText(input);
        panel.addButton()->click();
    }

    void clickInput(ShortcutEditorPanel& panel)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(panel.inputBox()->viewport(), &press);
    }

    TargetChoice target{SendMode::SpecifiedAddress, QStringLiteral("7"), QString()};
    ui::OperationRunner runner{prompter};
    ui::PanelContext context{folder, link, choice, runner, prompter, nullptr, [this] { return target; }, {}};
};

TEST_F(ShortcutPanel, ModeButtonsSwitchPromptBoldCaptionAndClearTheInput)
{
    ShortcutEditorPanel panel(context);
    EXPECT_EQ(panel.numberList()->count(), 16);
    EXPECT_EQ(panel.sizeList()->itemText(1), QStringLiteral("小号"));
    EXPECT_EQ(panel.promptLabel()->text(), QStringLiteral("输入要插入的字符："));
    EXPECT_TRUE(panel.charactersButton()->font().bold());
    panel.inputBox()->setPlainText(QStringLiteral("abc"));
    panel.pictureButton()->click();
    EXPECT_EQ(panel.promptLabel()->text(), QStringLiteral("输入插入短信编号："));
    EXPECT_TRUE(panel.pictureButton()->font().bold());
    EXPECT_FALSE(panel.charactersButton()->font().bold());
    EXPECT_TRUE(panel.inputBox()->toPlainText().isEmpty());
}

TEST_F(ShortcutPanel, AddUndoAndTheInputBoxAfterAnAdd)
{
    ShortcutEditorPanel panel(context);
    const QColor normal = panel.inputBox()->palette().color(QPalette::Base);
    addSegment(panel, panel.charactersButton(), QStringLiteral("欢迎\n光临"));
    addSegment(panel, panel.pictureButton(), QStringLiteral("3"));
    addSegment(panel, panel.charactersButton(), QStringLiteral("AB"));
    EXPECT_EQ(panel.compositionBox()->toPlainText(), QStringLiteral("Chr:欢迎 光临\nPic:2\nChr:AB\n"));
    EXPECT_TRUE(panel.inputBox()->toPlainText().isEmpty());
    EXPECT_NE(panel.inputBox()->palette().color(QPalette::Base), normal);
    clickInput(panel);
    EXPECT_EQ(panel.inputBox()->palette().color(QPalette::Base), normal);
    panel.undoButton()->click();
    EXPECT_EQ(panel.compositionBox()->toPlainText(), QStringLiteral("Chr:欢迎 光临\nPic:2\n"));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ShortcutPanel, RefusedInputsShowTheirMessages)
{
    ShortcutEditorPanel panel(context);
    addSegment(panel, panel.pictureButton(), QStringLiteral("31"));
    EXPECT_TRUE(panel.inputBox()->toPlainText().isEmpty());
    panel.charactersButton()->click();
    panel.inputBox()->setPlainText(QString(511, QLatin1Char('x')));
    panel.addButton()->click();
    EXPECT_EQ(panel.inputBox()->toPlainText().size(), 511);
    clickInput(panel);
    EXPECT_EQ(prompter.texts(QStringLiteral("error")),
              QStringList({QStringLiteral("添加的图文短信编号必须为1-30的十进制数"),
                           QStringLiteral("每段字符数不能大于510个，请安排分段插入"),
                           QStringLiteral("每段字符数不能大于510个，请分段插入")}));
    EXPECT_TRUE(panel.compositionBox()->toPlainText().isEmpty());
}

TEST_F(ShortcutPanel, SaveReachesTheLineAndTheShortcutList)
{
    ScrollEditorPanel scrollEditor(context);
    ScrollEditingPanels editing(context, scrollEditor);
    scrollEditor.chooseSendMode(4);
    ShortcutEditorPanel& panel = *editing.shortcutEditor();
    addSegment(panel, panel.charactersButton(), QStringLiteral("AB"));
    addSegment(panel, panel.pictureButton(), QStringLiteral("3"));
    panel.numberList()->setCurrentIndex(15);
    panel.powerOnBox()->setChecked(true);
    panel.saveButton()->click();
    runner.waitIdle();
    QApplication::processEvents();
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), hex("5A5B07800F00000C0001"));
    EXPECT_EQ(port->writes.at(1), hex("FE000004A3C1A3C2FE010002"));
    EXPECT_EQ(prompter.texts(QStringLiteral("notice")), QStringList{QStringLiteral("OK！")});
    EXPECT_TRUE(scrollEditor.editor()->toPlainText().endsWith(QStringLiteral("[16]:大号>> [AB] [图文：2] ")));
}

TEST_F(ShortcutPanel, OpeningTheEditorHidesTheSendButtonsUntilItCloses)
{
    ScrollEditorPanel scrollEditor(context);
    ScrollEditingPanels editing(context, scrollEditor);
    editing.show();
    scrollEditor.show();
    EXPECT_TRUE(editing.shortcutEditor()->isHidden());
    editing.shortcutButton()->click();
    EXPECT_FALSE(editing.shortcutEditor()->isHidden());
    EXPECT_FALSE(editing.shortcutButton()->isEnabled());
    EXPECT_TRUE(scrollEditor.refreshButton()->isHidden());
    EXPECT_TRUE(scrollEditor.secondButton()->isHidden());
    editing.closeButton()->click();
    EXPECT_TRUE(editing.shortcutEditor()->isHidden());
    EXPECT_TRUE(editing.shortcutButton()->isEnabled());
    EXPECT_FALSE(scrollEditor.refreshButton()->isHidden());
}

TEST_F(ShortcutPanel, ScreenshotWithThreeSegments)
{
    ShortcutEditorPanel panel(context);
    panel.resize(860, 300);
    panel.show();
    addSegment(panel, panel.charactersButton(), QStringLiteral("欢迎光临"));
    addSegment(panel, panel.pictureButton(), QStringLiteral("3"));
    addSegment(panel, panel.charactersButton(), QStringLiteral("本店今日特价"));
    QApplication::processEvents();
    EXPECT_EQ(panel.editor().segments().size(), 3);
    SaveScreenshot(panel, QStringLiteral("shortcut_editor"));
}
