// The font panel in the main window: start-up font, the character list and grid, the
// file buttons and a whole-font read and save through the operation runner.

#include "window_fixture.h"
#include "character_list.h"
#include "font/font_file.h"
#include "font/font_fingerprint.h"
#include "font/mcm_file.h"
#include "font/font_source.h"
#include "font/font_transfer.h"
#include "font_panel.h"
#include "font_trust_box.h"
#include "glyph_grid.h"
#include "link/frames.h"
#include "link/qt_serial_port.h"
#include "line_folder.h"
#include "kvctl_process.h"
#include "main_window.h"
#include "memory_port.h"
#include "operation_runner.h"
#include "recording_prompter.h"
#include "screenshot.h"
#include "sim_process.h"
#include "ui_app.h"
#include "wait_until.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

FontTable patternTable()
{
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i)
        bytes[i] = static_cast<char>((i * 11 + i / 54) & 0xFF);
    return FontTable::fromDeviceBytes(bytes);
}

class FontPanelTest : public WindowFixture {
protected:
    std::unique_ptr<ui::MainWindow> open() { return openWindow(); }

    QAbstractButton* buttonOf(ui::MainWindow& window, const QString& caption)
    {
        for (QAbstractButton* b : window.fontPanel()->findChildren<QAbstractButton*>())
            if (b->text() == caption)
                return b;
        ADD_FAILURE() << "no button " << caption.toStdString();
        return nullptr;
    }

    void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

};

} // namespace

TEST_F(FontPanelTest, FirstStartCopiesTheDefaultFontAndDrawsTheList)
{
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    EXPECT_EQ(panel->caption(), kLocalFontCaption);
    ASSERT_TRUE(QFile::exists(AppFolder(dir.path()).path(kLocalFontFile)));
    EXPECT_TRUE(panel->fontLoaded());
    EXPECT_EQ(panel->table(), *LoadFontFile(AppFolder(dir.path()).path(kLocalFontFile)));
    ASSERT_TRUE(WaitUntil([&] { return panel->ready(); }));
    EXPECT_EQ(panel->characterList()->thumbnail('A'), ui::CharacterList::ThumbnailOf(panel->table().record('A')));
    EXPECT_EQ(panel->redrawTimer()->interval(), 500);

    window->show();
    panel->selectCharacter('g');
    WaitUntil([&] { return !panel->redrawTimer()->isActive(); });
    SaveScreenshot(*window, "font_panel");
}

TEST_F(FontPanelTest, SelectingAnotherCharacterShowsThePreviousOneFromTheTable)
{
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    panel->selectCharacter(65);
    EXPECT_EQ(panel->codeBox()->text(), "65");
    EXPECT_EQ(panel->characterList()->hiddenCode(), 65);
    panel->glyphGrid()->showGrid(FilledGrid(kBlackCell));
    buttonOf(*window, "< 背景白色")->click(); // an unsaved edit of A
    panel->selectCharacter(66);
    EXPECT_EQ(panel->characterList()->hiddenCode(), 66);
    EXPECT_EQ(panel->characterList()->thumbnail(65), ui::CharacterList::ThumbnailOf(panel->table().record(65)));
    EXPECT_EQ(panel->glyphGrid()->grid(), UnpackRecord(panel->table().record(66)));

    buttonOf(*window, "< 取消编辑")->click();
    EXPECT_TRUE(panel->codeBox()->text().isEmpty());
    EXPECT_FALSE(panel->characterList()->hiddenCode());
    EXPECT_EQ(panel->glyphGrid()->grid(), FilledGrid(kTransparentCell));
}

TEST_F(FontPanelTest, PaintingByMouseStepsOncePerCellAndUndoes)
{
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    panel->selectCharacter(0x20);
    ui::GlyphGrid* grid = panel->glyphGrid();
    const Grid before = grid->grid();
    const QPoint a = grid->cellRect(0).center();
    const QPoint b = grid->cellRect(1).center();
    mouse(grid, QEvent::MouseButtonPress, a, Qt::LeftButton);
    mouse(grid, QEvent::MouseMove, a + QPoint(1, 0), Qt::LeftButton);
    mouse(grid, QEvent::MouseMove, a + QPoint(1, 1), Qt::LeftButton);
    mouse(grid, QEvent::MouseMove, b, Qt::LeftButton);
    mouse(grid, QEvent::MouseButtonRelease, b, Qt::NoButton);
    const auto next = [](CellColour c) {
        return c == kWhiteCell ? kBlackCell : c == kBlackCell ? kTransparentCell : kWhiteCell;
    };
    EXPECT_EQ(grid->grid()[0], next(before[0]));
    EXPECT_EQ(grid->grid()[1], next(before[1]));
    EXPECT_EQ(grid->grid()[2], before[2]);

    buttonOf(*window, "撤销")->click();
    EXPECT_EQ(grid->grid(), before);
    buttonOf(*window, "重做")->click();
    EXPECT_EQ(grid->grid()[1], next(before[1]));
}

TEST_F(FontPanelTest, ButtonsThatNeedACharacterSayWhenThereIsNone)
{
    auto window = open();
    buttonOf(*window, "保存字库到电脑")->click();
    buttonOf(*window, "字符点阵提取")->click();
    buttonOf(*window, "↑")->click();
    EXPECT_EQ(prompter.texts(), (QStringList{"当前无编辑字符或图形", "先点击左侧列表框要更改的字符"}));
}

TEST_F(FontPanelTest, RefusedExtractionBoxesAreReset)
{
    auto window = open();
    auto* size = window->fontPanel()->findChild<QLineEdit*>("extractSizeBox");
    auto* x = window->fontPanel()->findChild<QLineEdit*>("extractXOffsetBox");
    size->setText("abc");
    EXPECT_EQ(size->text(), "32");
    x->setText(" 1 2");
    EXPECT_EQ(x->text(), "12");
    x->setText("q");
    EXPECT_EQ(x->text(), "0");
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown.at(0).text, "输入应为数字");
    EXPECT_EQ(prompter.shown.at(1).kind, "error");
    EXPECT_EQ(prompter.shown.at(1).text, "有效数值必须为十进制数");
}

TEST_F(FontPanelTest, AFontReadFromTheUnitAndSavedIsTheNextStartsFont)
{
    const FontTable unitFont = patternTable();
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    port->onWrite = [&](MemoryPort& p, const QByteArray& frame) {
        if (frame.size() == 6 && static_cast<quint8>(frame.at(1)) == 0xFF) {
            const QByteArray record = unitFont.record(static_cast<quint8>(frame.at(4)));
            p.arrive(5, record + char(XorOf(record)));
        }
    };
    buttonOf(*window, "读取叠加器字库数据")->click();
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy(); }));
    EXPECT_EQ(prompter.texts(), QStringList{"读出成功"});
    EXPECT_EQ(panel->table(), unitFont);
    EXPECT_EQ(panel->caption(), kUnsavedOverlayCaption);
    EXPECT_EQ(prompter.progressSteps.size(), 256);

    panel->selectCharacter(7);
    buttonOf(*window, "保存字库到电脑")->click();
    EXPECT_EQ(panel->caption(), kSavedOverlayCaption);
    EXPECT_EQ(ReadFirstLine(AppFolder(dir.path()).path(kSelectedFontFile)), kSavedOverlayCaption);
    // The saved character went through the grid, which writes transparent as 11.
    const FontTable saved = panel->table();
    EXPECT_EQ(saved.record(6), unitFont.record(6));
    window.reset();

    auto next = open();
    EXPECT_EQ(next->fontPanel()->caption(), kSavedOverlayCaption);
    EXPECT_EQ(next->fontPanel()->table(), saved);
}

TEST_F(FontPanelTest, AFailedReadLeavesTableAndCaption)
{
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    const FontTable before = panel->table();
    port->onWrite = [&](MemoryPort& p, const QByteArray& frame) {
        const int code = static_cast<quint8>(frame.at(4));
        if (code != 255)
            p.arrive(5, QByteArray(55, '\0'));
    };
    buttonOf(*window, "读取叠加器字库数据")->click();
    ASSERT_TRUE(WaitUntil([&] { return !window->runner().busy(); }));
    EXPECT_EQ(prompter.texts(), QStringList{"读出错误255"});
    EXPECT_EQ(panel->table(), before);
    EXPECT_EQ(panel->caption(), kLocalFontCaption);
}

TEST_F(FontPanelTest, OpenButtonsLoadTheirFileAndSetTheCaption)
{
    FontTable overlay = patternTable();
    ASSERT_TRUE(SaveFontFile(AppFolder(dir.path()).path(kOverlayFontFile), overlay));
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    panel->selectCharacter(3);
    buttonOf(*window, "打开叠加器字库数据")->click();
    EXPECT_EQ(panel->caption(), kOverlayFontCaption);
    EXPECT_EQ(panel->table(), overlay);
    EXPECT_FALSE(panel->editor().code());
    EXPECT_EQ(panel->characterList()->thumbnail(9), ui::CharacterList::ThumbnailOf(overlay.record(9)));
    EXPECT_FALSE(QFile::exists(AppFolder(dir.path()).path(kSelectedFontFile)));
}

TEST_F(FontPanelTest, ImportRefusesABadFileAndExportKeepsTheMcmPadding)
{
    auto window = open();
    ui::FontPanel* panel = window->fontPanel();
    const FontTable before = panel->table();
    QByteArray mcm = McmContent(patternTable());
    mcm.replace(9 + 54 * 10, 8, "11110000"); // the first padding line of code 0
    const QString good = QDir(dir.path()).filePath("good.mcm");
    const QString bad = QDir(dir.path()).filePath("bad.mcm");
    const QString out = QDir(dir.path()).filePath("out.mcm");
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(mcm);
        QFile g(bad);
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(mcm.left(mcm.size() / 2));
    }

    prompter.files = {bad, good, out};
    buttonOf(*window, "导入字库文件…")->click();
    ASSERT_EQ(prompter.texts("error").size(), 1);
    EXPECT_TRUE(prompter.texts("error").first().startsWith("bad.mcm："));
    EXPECT_EQ(panel->table(), before);

    buttonOf(*window, "导入字库文件…")->click();
    EXPECT_EQ(panel->table(), patternTable());
    buttonOf(*window, "导出字库文件…")->click();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), mcm);
}

namespace {

// The window on kvsim's line, its local font the pattern table; the font panel's buttons
// are clicked by caption.
class FontWindowOnSim {
public:
    FontWindowOnSim(const QStringList& simArgs, int baudChoice) : sim(simArgs), baudChoice_(baudChoice) {}

    // False (after the failure) when the unit or the window did not come up.
    bool start()
    {
        UiApp();
        EXPECT_TRUE(sim.isRunning());
        EXPECT_TRUE(StartsOnLine(folder, sim.linkPath(), baudChoice_));
        EXPECT_TRUE(SaveFontFile(folder.path(kLocalFontFile), patternTable()));
        window = std::make_unique<ui::MainWindow>(folder, [] { return std::make_unique<QtSerialPort>(); }, clock,
                                                  &prompter);
        const bool up = WaitUntil([&] { return !window->startTimer()->isActive() && !window->runner().busy(); });
        EXPECT_TRUE(up);
        return sim.isRunning() && up && !::testing::Test::HasFailure();
    }
    ui::FontPanel* panel() const { return window->fontPanel(); }
    void click(const QString& caption)
    {
        for (QPushButton* b : panel()->findChildren<QPushButton*>())
            if (b->text() == caption)
                b->click();
    }
    bool finishes(int ms) const
    {
        return WaitUntil([&] { return !window->runner().busy(); }, ms);
    }

    SimProcess sim;
    QTemporaryDir dir;
    const AppFolder folder{dir.path()};
    SteadyClock clock;
    RecordingPrompter prompter;
    std::unique_ptr<ui::MainWindow> window;

private:
    int baudChoice_;
};

// The frames kvsim received after line `from` of its log, without their times.
QStringList framesReceived(const SimProcess& sim, qsizetype from)
{
    QStringList frames;
    const QStringList lines = sim.logText().split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = from; i < lines.size(); ++i)
        if (lines.at(i).section(' ', 1, 1) == "RX")
            frames << lines.at(i).section(' ', 1);
    return frames;
}

qsizetype logLines(const SimProcess& sim)
{
    return sim.logText().split('\n', Qt::SkipEmptyParts).size();
}

} // namespace

TEST(FontPanelOnSim, TheWindowWritesAndReadsBackTheFontWithProgress)
{
    FontWindowOnSim on({"--unit", "1:9600"}, 3);
    ASSERT_TRUE(on.start());
    ui::FontPanel* panel = on.panel();
    RecordingPrompter& prompter = on.prompter;

    on.click("把当前字库写入叠加器");
    ASSERT_TRUE(on.finishes(60000));
    EXPECT_EQ(prompter.texts(), QStringList{"下载成功"});
    EXPECT_EQ(prompter.progressTitle, "把当前字库写入叠加器");
    EXPECT_EQ(prompter.progressSteps.size(), 256);

    // Fill the table with something else, then read the unit's font back into it.
    on.click("打开叠加器字库数据");
    ASSERT_TRUE(SaveFontFile(on.folder.path(kOverlayFontFile), FontTable()));
    on.click("打开叠加器字库数据");
    EXPECT_EQ(panel->table(), FontTable());
    on.click("读取叠加器字库数据");
    ASSERT_TRUE(on.finishes(60000));
    EXPECT_EQ(prompter.texts().last(), "读出成功") << prompter.texts().join("|").toStdString() << on.sim.logText().right(3000).toStdString();
    EXPECT_EQ(panel->table(), patternTable());
    EXPECT_EQ(panel->caption(), kUnsavedOverlayCaption);
    EXPECT_EQ(prompter.progressSteps.size(), 512);
}

TEST(FontPanelOnSim, AStoppedWriteOffersToGoOnAndTheReadBackNamesTheCharacterThatDiffers)
{
    FontWindowOnSim on({"--unit", "1:115200", "--turnaround", "1", "--fault", "drop-ack=100", "--fault", "corrupt-char=7"},
                       7);
    ASSERT_TRUE(on.start());
    ui::FontPanel* panel = on.panel();
    ui::FontTrustBox* trust = panel->trustBox();
    RecordingPrompter& prompter = on.prompter;
    EXPECT_EQ(trust->tableFingerprint()->text(), FontFingerprintText(patternTable()));
    EXPECT_TRUE(trust->resumeButton()->isHidden());

    trust->verifyBox()->setChecked(true);
    on.click("把当前字库写入叠加器");
    ASSERT_TRUE(on.finishes(30000));
    EXPECT_EQ(prompter.texts(), QStringList{"下载失败"});
    EXPECT_FALSE(trust->resumeButton()->isHidden());
    EXPECT_EQ(trust->resumeButton()->text(), "从字符 100 继续写入");

    const qsizetype beforeResume = logLines(on.sim);
    trust->resumeButton()->click();
    ASSERT_TRUE(on.finishes(30000));
    EXPECT_EQ(prompter.texts().mid(1), (QStringList{"下载成功", "校验失败：1 个字符不一致：7"}));
    EXPECT_TRUE(trust->resumeButton()->isHidden());
    // Only the resumed codes went out the second time.
    EXPECT_EQ(on.sim.logText().count("write character 0xFC"), 101 + 156);
    // The same frames as kvctl's for the same font, resume point and read-back.
    const QStringList fromWindow = framesReceived(on.sim, beforeResume);
    // 156 characters written, 256 read back, the reset.
    ASSERT_EQ(fromWindow.size(), 156 + 256 + 1);
    ASSERT_TRUE(SaveFontFile(on.folder.path("same.bin"), patternTable()));
    const qsizetype beforeKvctl = logLines(on.sim);
    const KvctlRun kvctl = RunKvctl({"--dir", on.dir.path(), "--port", on.sim.linkPath(), "--baud", "115200", "font",
                                     "write", "--in", on.folder.path("same.bin"), "--from", "100", "--verify"});
    EXPECT_EQ(kvctl.exitCode, 1) << kvctl.err.toStdString();
    ASSERT_TRUE(on.sim.waitFor([&] { return framesReceived(on.sim, beforeKvctl).size() == fromWindow.size(); }));
    EXPECT_EQ(framesReceived(on.sim, beforeKvctl), fromWindow);

    on.click("读取叠加器字库数据");
    ASSERT_TRUE(on.finishes(30000));
    FontTable held = patternTable();
    QByteArray seven = held.record(7);
    seven[0] = char(seven.at(0) ^ 0x80);
    held.setRecord(7, seven);
    EXPECT_EQ(trust->unitFingerprint()->text(), FontFingerprintText(held));
    ui::MainWindow& window = *on.window;
    window.resize(1280, 720);
    window.show();
    for (int i = 0; i < window.pages()->count(); ++i)
        if (window.pages()->widget(i)->isAncestorOf(panel))
            window.pages()->setCurrentIndex(i);
    QApplication::processEvents();
    SaveScreenshot(window, "font_panel_trust");
}
