// The panel "编辑滚动信息" in the window: its inputs restored from the last send, the
// send reaching the line, the outcome shown, and its opener button beside the
// shortcut editor's.

#include "base/record_store.h"
#include "link_fixture.h"
#include "operation_runner.h"
#include "picture_text_panel.h"
#include "screenshot.h"
#include "scroll/picture_text_settings.h"
#include "scroll_editing_panels.h"
#include "scroll_editor_panel.h"
#include "shortcut_editor_panel.h"
#include "ui_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QTextEdit>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;
using kv::ui::PictureTextPanel;
using kv::ui::ScrollEditingPanels;
using kv::ui::ScrollEditorPanel;

class PictureTextWindow : public LinkFixture {
protected:
    void SetUp() override { UiApp(); }

    TargetChoice target{SendMode::SpecifiedAddress, QStringLiteral("7"), QString()};
    ui::OperationRunner runner{prompter};
    ui::PanelContext context{folder, link, choice, runner, prompter, nullptr, [this] { return target; }, {}};
};

TEST_F(PictureTextWindow, OpeningRestoresTheLastSettings)
{
    QString error;
    RecordStore(folder).write(PictureTextSettingsRecord(),
                              QStringLiteral("44\r\n25\r\nWenQuanYi Micro Hei\r\n1\r\n新年快乐\r\n1"), &error);
    ScrollEditorPanel scrollEditor(context);
    ScrollEditingPanels editing(context, scrollEditor);
    editing.pictureTextButton()->click();
    PictureTextPanel& panel = *editing.pictureTextPanel();
    EXPECT_FALSE(panel.isHidden());
    EXPECT_EQ(panel.textBox()->toPlainText(), QStringLiteral("新年快乐"));
    EXPECT_EQ(panel.countLabel()->text(), QStringLiteral("字符数：4"));
    EXPECT_EQ(panel.sizeList()->currentText(), QStringLiteral("44"));
    EXPECT_EQ(panel.adjustmentList()->currentText(), QStringLiteral("5下移"));
    EXPECT_EQ(panel.fontList()->currentText(), QStringLiteral("WenQuanYi Micro Hei"));
    EXPECT_TRUE(panel.boldBox()->isChecked());
    EXPECT_TRUE(panel.filterNoiseBox()->isChecked());
    EXPECT_FALSE(panel.powerOnBox()->isChecked());
}

TEST_F(PictureTextWindow, TheTwoOpenersEnableEachOther)
{
    ScrollEditorPanel scrollEditor(context);
    ScrollEditingPanels editing(context, scrollEditor);
    editing.pictureTextButton()->click();
    EXPECT_FALSE(editing.pictureTextButton()->isEnabled());
    EXPECT_TRUE(editing.shortcutButton()->isEnabled());
    editing.shortcutButton()->click();
    EXPECT_TRUE(editing.pictureTextPanel()->isHidden());
    EXPECT_FALSE(editing.shortcutEditor()->isHidden());
    EXPECT_TRUE(editing.pictureTextButton()->isEnabled());
    EXPECT_FALSE(editing.shortcutButton()->isEnabled());
}

TEST_F(PictureTextWindow, SendShowsTheTimeAndThePictureSent)
{
    PictureTextPanel panel(context);
    panel.resize(860, 200);
    panel.show();
    panel.textBox()->setPlainText(QStringLiteral("欢迎光临本店"));
    panel.fontList()->setCurrentText(QStringLiteral("WenQuanYi Micro Hei"));
    panel.sizeList()->setCurrentText(QStringLiteral("32"));
    panel.sendButton()->click();
    EXPECT_FALSE(panel.sendButton()->isEnabled());
    runner.waitIdle();
    QApplication::processEvents();
    EXPECT_TRUE(panel.sendButton()->isEnabled());
    ASSERT_FALSE(port->writes.isEmpty());
    EXPECT_EQ(quint8(port->writes.first().at(3)), 0x81);
    EXPECT_TRUE(panel.elapsedLabel()->text().startsWith(QStringLiteral("用时")));
    EXPECT_TRUE(panel.elapsedLabel()->text().endsWith(QStringLiteral("ms")));
    EXPECT_EQ(panel.pictureLabel()->pixmap().height(), 32);
    EXPECT_TRUE(RecordStore(folder).exists(PictureTextSettingsRecord()));
    SaveScreenshot(panel, QStringLiteral("picture_text_panel"));
}

TEST_F(PictureTextWindow, DownloadStoresThePictureAndRefreshesThePictureMessageList)
{
    QImage file(60, 30, QImage::Format_RGB32);
    file.fill(Qt::black);
    const QString path = dir.filePath(QStringLiteral("dot.png"));
    ASSERT_TRUE(file.save(path));
    ScrollEditorPanel scrollEditor(context);
    ScrollEditingPanels editing(context, scrollEditor);
    scrollEditor.chooseSendMode(3);
    PictureTextPanel& panel = *editing.pictureTextPanel();
    panel.messageSizeList()->setCurrentIndex(1);
    panel.messageNumberList()->setCurrentIndex(1);
    prompter.files = {path};
    panel.downloadButton()->click();
    runner.waitIdle();
    QApplication::processEvents();
    ASSERT_FALSE(port->writes.isEmpty());
    EXPECT_EQ(port->writes.first().mid(3, 5), QByteArray::fromHex("8101020101"));
    EXPECT_EQ(panel.pictureLabel()->pixmap().size(), QSize(64, 32));
    EXPECT_EQ(scrollEditor.editor()->toPlainText().split(QLatin1Char('\n')).value(1),
              QStringLiteral("[02]:dot.png(图片64 x 32) "));
}
