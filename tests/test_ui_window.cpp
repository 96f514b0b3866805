// The window as a whole: the start-up sequence in its order, in an empty folder and in
// one that holds every settings file; the other-functions toggle; what a resize
// re-places.

#include "window_fixture.h"
#include "edit_page_panel.h"
#include "file_bytes.h"
#include "main_window.h"
#include "model_selector.h"
#include "other_functions_toggle.h"
#include "queue_panel.h"
#include "scroll_editor_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

const QStringList kStartupOrder = {
    "unfinished writes", "help files", "panels",   "screen scale", "font",      "title",
    "collapsed layout",  "settings folder", "address queue", "serial port", "KjSelect", "device model",
    "static text",       "send mode",  "window size",
};

class WholeWindow : public WindowFixture {
protected:
    void put(const QString& relative, const QByteArray& bytes)
    {
        const QString path = QDir(dir.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static int tabOf(QTabWidget& pages, const QString& title)
    {
        for (int i = 0; i < pages.count(); ++i)
            if (pages.tabText(i) == title)
                return i;
        return -1;
    }
    static void click(QWidget* widget)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
};

} // namespace

TEST_F(WholeWindow, AFirstStartRunsEveryStepInOrderAndLeavesTheEditorsEmpty)
{
    auto window = openWindow();
    EXPECT_EQ(window->startupSteps(), kStartupOrder);
    const AppFolder folder(dir.path());
    EXPECT_TRUE(QFileInfo(folder.settingsPath("KjSelect.txt")).isFile());
    EXPECT_TRUE(QFileInfo(QDir(dir.path()).filePath("help")).isDir());
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath("JZNR.txt")));
    EXPECT_TRUE(window->picturePanels().editPage->editor()->toPlainText().isEmpty());
    EXPECT_EQ(window->scrollPanels().editor->sendMode(), 0);
    for (int model = 0; model < 3; ++model)
        EXPECT_FALSE(window->modelSelector()->option(model)->isChecked());
    EXPECT_TRUE(window->adminPanels().queue->entries().isEmpty());
    EXPECT_FALSE(window->otherFunctionsToggle()->unfolded());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(WholeWindow, AFolderWithEverySettingsFileIsAppliedInOrder)
{
    put("savefiles/COM.TXT", "0");
    put("savefiles/BTL.TXT", "5");
    put("savefiles/KjSelect.txt", "7");
    put("savefiles/xinghao.txt", "1");
    put("savefiles/end_fs_mode.txt", "4");
    put("savefiles/JZNR.txt", "\xBB\xB6\xD3\xAD\xB9\xDB\xBF\xB4\r\nsecond line\r\n"); // 欢迎观看
    put("savefiles/GDCS.txt", "1\r\n2\r\n");
    put("savefiles/Lv1Checked.TXT", "01");
    put("data.txt", "4\r\nStudio A\r\n9\r\nStudio B\r\n");
    auto window = openWindow();
    EXPECT_EQ(window->startupSteps(), kStartupOrder);

    // The static text's standing line, the model, the fifth send mode, the queue with
    // its ticks; KjSelect.txt is only read, and the specified address is "0".
    EXPECT_EQ(window->picturePanels().editPage->editor()->toPlainText(), QStringLiteral("欢迎观看"));
    EXPECT_TRUE(window->modelSelector()->option(1)->isChecked());
    EXPECT_FALSE(window->picturePanels().editPage->verticalShiftBox()->isEnabled());
    EXPECT_EQ(window->scrollPanels().editor->sendMode(), 4);
    const auto& queue = window->adminPanels().queue->entries();
    ASSERT_EQ(queue.size(), 2);
    EXPECT_FALSE(queue.at(0).ticked);
    EXPECT_TRUE(queue.at(1).ticked);
    const AppFolder folder(dir.path());
    EXPECT_EQ(FileBytes(folder.settingsPath("KjSelect.txt")), "7");
    EXPECT_EQ(FileBytes(folder.settingsPath("JZNR.txt")).size(), 23);
    EXPECT_FALSE(window->otherFunctionsToggle()->unfolded());
}

TEST_F(WholeWindow, TheToggleOpensTheOtherFunctionsAndFoldsThemBackOverTheCoveredPage)
{
    auto window = openWindow();
    window->resize(1280, 720);
    window->show();
    QTabWidget& pages = *window->pages();
    const int other = tabOf(pages, QStringLiteral("其它"));
    const int fonts = tabOf(pages, QStringLiteral("字库编辑"));
    ASSERT_GE(other, 0);
    ASSERT_GE(fonts, 0);
    ui::OtherFunctionsToggle* toggle = window->otherFunctionsToggle();
    EXPECT_EQ(toggle->text(), QStringLiteral("打开其他功能"));
    EXPECT_FALSE(pages.isTabVisible(other));
    pages.setCurrentIndex(fonts);

    click(toggle);
    EXPECT_EQ(toggle->text(), QStringLiteral("收起其他功能"));
    EXPECT_TRUE(pages.isTabVisible(other));
    EXPECT_EQ(pages.currentIndex(), other);

    click(toggle);
    EXPECT_EQ(toggle->text(), QStringLiteral("打开其他功能"));
    EXPECT_FALSE(pages.isTabVisible(other));
    EXPECT_EQ(pages.currentIndex(), fonts);
}

TEST_F(WholeWindow, AResizeCaptionsTheSendFrameAndShowsThePowerOnOptionOnlyForTheFirstTwoModes)
{
    auto window = openWindow();
    window->resize(1280, 720);
    window->show();
    ui::ScrollEditorPanel& editor = *window->scrollPanels().editor;
    for (const int mode : {1, 2, 6}) {
        editor.chooseSendMode(mode);
        editor.sendFrame()->setTitle(QString());
        window->resize(1366 + mode, 768);
        QApplication::processEvents();
        EXPECT_TRUE(editor.sendFrame()->title().startsWith(QStringLiteral("当前发送模式 >> "))) << mode;
        EXPECT_EQ(editor.powerOnBox()->isVisibleTo(&editor), mode < 2) << mode;
    }
}
