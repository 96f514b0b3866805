// The window's layout on small and large screens: nothing forces it past 1280 x 720,
// and at the common laptop and desktop sizes every panel is inside the window, scrolled
// where it does not fit. With KV_SCREENSHOTS set it saves each page at each size.

#include "admin_panels.h"
#include "admin_panels.h"
#include "base/app_folder.h"
#include "help_viewer.h"
#include "main_window.h"
#include "other_functions_toggle.h"
#include "queue_panel.h"
#include "screenshot.h"
#include "scroll_editor_panel.h"
#include "scroll_panels.h"
#include "target_panel.h"
#include "target_panel.h"
#include "traffic_table.h"
#include "wait_until.h"
#include "window_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

using WindowLayout = WindowFixture;

TEST_F(WindowLayout, TheWindowFitsA1280By720Screen)
{
    auto window = openWindow();
    window->show();
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    RecordProperty("minimum", QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height()).toStdString());
    EXPECT_LE(minimum.width(), 1280);
    EXPECT_LE(minimum.height(), 720);
}

TEST_F(WindowLayout, EveryPageFitsTheCommonScreenSizes)
{
    auto window = openWindow();
    window->show();
    auto* pages = window->findChild<QTabWidget*>("panels");
    ASSERT_NE(pages, nullptr);
    window->otherFunctionsToggle()->unfold();
    for (const QSize size : {QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)}) {
        window->resize(size);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), size);
        const QRect inside = window->rect();
        for (QWidget* part : std::initializer_list<QWidget*>{pages, window->trafficLog()})
            EXPECT_TRUE(inside.contains(QRect(part->mapTo(window.get(), QPoint(0, 0)), part->size())))
                << part->metaObject()->className() << " at " << size.width() << "x" << size.height();
        // The controls that a too-large window used to push off a laptop's screen are
        // shown whole, without scrolling.
        for (const QString& caption : {QStringLiteral("串口对应…"), QStringLiteral("帮助"), QStringLiteral("清除")}) {
            QPushButton* button = buttonOf(*window, caption);
            ASSERT_NE(button, nullptr) << caption.toStdString();
            EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect())
                << caption.toStdString() << " at " << size.width() << "x" << size.height();
        }
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QApplication::processEvents();
            SaveScreenshot(*window, QStringLiteral("window_%1x%2_page%3").arg(size.width()).arg(size.height()).arg(page));
        }
    }
}

// A scroll send to the queue as the operator sees it in the traffic table.
TEST_F(WindowLayout, TheTrafficTableNamesAScrollSentToTheQueue)
{
    QFile queue(AppFolder(dir.path()).path("data.txt"));
    ASSERT_TRUE(queue.open(QIODevice::WriteOnly));
    queue.write("9\r\nnine\r\n4\r\nfour\r\n\r\n");
    queue.close();
    auto window = openWindow();
    window->resize(1366, 768);
    window->show();
    QTreeWidget* list = window->adminPanels().queue->list();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    list->topLevelItem(0)->setCheckState(0, Qt::Checked);
    list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    window->adminPanels().target->setMode(SendMode::AddressQueue);
    window->scrollPanels().editor->editor()->setPlainText(QStringLiteral("今日AB"));
    window->scrollPanels().editor->refreshButton()->click();
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy(); }));
    QApplication::processEvents();

    QTableWidget* table = window->trafficLog()->table();
    // Enough rows are in view to follow a send.
    EXPECT_GE(table->viewport()->height() / table->verticalHeader()->defaultSectionSize(), 5);
    QStringList meanings;
    for (int row = 0; row < table->rowCount(); ++row)
        meanings.append(table->item(row, 4)->text());
    EXPECT_TRUE(meanings.contains(QStringLiteral("续 0x22 滚动发送 刷新 大号字库 8 字节 → 队列 4, 9 (共 19 字节)")))
        << meanings.join('\n').toStdString();
    SaveScreenshot(*window, "traffic_table_1366x768");
}

TEST_F(WindowLayout, TheFontPageTakesTheSideColumnsRoomAndNeedsNoSidewaysScrolling)
{
    auto window = openWindow();
    window->show();
    QTabWidget* pages = window->pages();
    int fonts = -1;
    for (int i = 0; i < pages->count(); ++i)
        if (pages->tabText(i) == QStringLiteral("字库编辑"))
            fonts = i;
    ASSERT_GE(fonts, 0);
    for (const QSize size : {QSize(1280, 720), QSize(1366, 768)}) {
        window->resize(size);
        pages->setCurrentIndex(fonts);
        QApplication::processEvents();
        auto* page = qobject_cast<QScrollArea*>(pages->currentWidget());
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->horizontalScrollBar()->isVisible()) << size.width();
        pages->setCurrentIndex(0);
        QApplication::processEvents();
        EXPECT_TRUE(window->adminPanels().target->isVisible()) << size.width();
    }
}

TEST_F(WindowLayout, TheWholeWindowFoldedAndUnfoldedAndTheHelpViewer)
{
    auto window = openWindow();
    window->show();
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        window->resize(size);
        window->pages()->setCurrentIndex(0);
        window->otherFunctionsToggle()->fold();
        QApplication::processEvents();
        SaveScreenshot(*window, QStringLiteral("whole_%1x%2_folded").arg(size.width()).arg(size.height()));
        window->otherFunctionsToggle()->unfold();
        QApplication::processEvents();
        const QWidget* page = window->pages()->currentWidget();
        EXPECT_TRUE(window->rect().contains(QRect(page->mapTo(window.get(), QPoint(0, 0)), page->size())));
        SaveScreenshot(*window, QStringLiteral("whole_%1x%2_unfolded").arg(size.width()).arg(size.height()));
    }
    window->helpButton()->click();
    QApplication::processEvents();
    ASSERT_TRUE(window->helpViewer()->isVisible());
    SaveScreenshot(*window->helpViewer(), QStringLiteral("help_viewer"));
}

} // namespace
