// The logo and static edit page and the static modes of the send panel: that the
// controls reach the operations, the outcomes reach the controls, and the preview shows
// exactly the bytes that went on the line.

#include "base/record_store.h"
#include "edit_page_panel.h"
#include "link_fixture.h"
#include "operation_runner.h"
#include "picture/dot_matrix.h"
#include "picture_preview.h"
#include "screenshot.h"
#include "scroll_editor_panel.h"
#include "static_send_inputs.h"
#include "ui_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;
using kv::ui::EditPagePanel;
using kv::ui::ScrollEditorPanel;

namespace {

class PicturePanels : public LinkFixture {
protected:
    void SetUp() override { UiApp(); }

    void press(QPushButton* button)
    {
        button->click();
        runner.waitIdle();
    }

    // The matrix of a picture send: every byte after the 14-byte header (and before the
    // sum byte of a slot picture).
    QByteArray matrixSent(bool withSum) const
    {
        QByteArray all = port->written.mid(14);
        if (withSum)
            all.chop(1);
        return all;
    }

    QString writeBmp(const QImage& image) const
    {
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        image.save(path, "BMP");
        return path;
    }

    TargetChoice target{SendMode::SpecifiedAddress, QStringLiteral("7"), QString()};
    ui::OperationRunner runner{prompter};
    ui::PanelContext context{folder, link, choice, runner, prompter, nullptr, [this] { return target; }, {}};
};

} // namespace

TEST_F(PicturePanels, OpeningTheLogoPictureAfterStaticTextLocksPowerOnAndSendsKindZero)
{
    EditPagePanel panel(context);
    panel.openKind(EditPageKind::StaticText);
    EXPECT_EQ(panel.titleLabel()->text(), QStringLiteral("编辑静止_字符"));
    EXPECT_TRUE(panel.powerOnBox()->isEnabled());
    EXPECT_FALSE(panel.powerOnBox()->isChecked());
    EXPECT_FALSE(panel.kindButton(EditPageKind::StaticText)->isEnabled());
    panel.powerOnBox()->setChecked(true);

    panel.kindButton(EditPageKind::LogoPicture)->click();
    EXPECT_EQ(panel.titleLabel()->text(), QStringLiteral("编辑台标_图形"));
    EXPECT_EQ(panel.sizeLabel()->text(), QStringLiteral("设图形高度为"));
    EXPECT_TRUE(panel.powerOnBox()->isChecked());
    EXPECT_FALSE(panel.powerOnBox()->isEnabled());
    EXPECT_TRUE(panel.textDownloadButton()->isHidden());
    EXPECT_FALSE(panel.pictureDownloadButton()->isHidden());
    EXPECT_FALSE(panel.fontBox()->isEnabled());
    EXPECT_FALSE(panel.lineSpacingBox()->isEnabled());

    QImage image(32, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(31, 7, qRgb(100, 100, 100));
    prompter.files << writeBmp(image);
    panel.sizeBox()->setText(QStringLiteral("8"));
    press(panel.pictureDownloadButton());
    ASSERT_FALSE(port->writes.isEmpty()) << prompter.texts().join(" | ").toStdString();
    const QByteArray header = port->writes.at(0);
    EXPECT_EQ(header.toHex(), QByteArray("5a5b078804000800009600000000"));
    EXPECT_EQ(matrixSent(true), QByteArray::fromHex("8000000000000000000000000000000000000000000000000000000000000001"));
    EXPECT_EQ(panel.preview()->picture(), UnpackRows(matrixSent(true), 32, 8));
    EXPECT_EQ(RecordStore(folder).readLines(QStringLiteral("TbPic"))->value(9), QStringLiteral("8"));
}

TEST_F(PicturePanels, CharacterDownloadPreviewsTheBytesSentAndKeepsTheRecord)
{
    EditPagePanel panel(context);
    panel.editor()->setPlainText(QStringLiteral("台标"));
    panel.sizeBox()->setText(QStringLiteral("24"));
    panel.horizontalOffsetBox()->setCurrentIndex(3);
    panel.backgroundBox()->setCurrentIndex(6);
    press(panel.textDownloadButton());
    ASSERT_FALSE(port->writes.isEmpty()) << prompter.texts().join(" | ").toStdString();
    const QByteArray header = port->writes.at(0);
    EXPECT_EQ(quint8(header.at(3)), 0x88);
    EXPECT_EQ(quint8(header.at(7)), 3);
    EXPECT_EQ(quint8(header.at(10)), 6);
    EXPECT_EQ(quint8(header.at(11)), 0);
    const int width = quint8(header.at(4)) * 8;
    const int height = quint8(header.at(5)) * 256 + quint8(header.at(6));
    EXPECT_EQ(height, 24);
    EXPECT_EQ(panel.preview()->picture(), UnpackRows(matrixSent(true), width, height));
    EXPECT_EQ(quint8(port->written.back()), SumByte(matrixSent(true)));

    // The next opening of the kind brings the page back.
    EditPagePanel again(context);
    EXPECT_EQ(again.editor()->toPlainText(), QStringLiteral("台标"));
    EXPECT_EQ(again.sizeBox()->text(), QStringLiteral("24"));
    EXPECT_EQ(again.horizontalOffsetBox()->currentIndex(), 3);
}

TEST_F(PicturePanels, ChangingTheLogosParametersIsRefusedAndAStoredPicturesIsSent)
{
    EditPagePanel panel(context);
    panel.openKind(EditPageKind::StaticPicture);
    press(panel.changeParametersButton());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("台标、角标不能单独修改显示参数。")});
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_FALSE(RecordStore(folder).exists(QStringLiteral("JbPic")));

    panel.slotBox()->setCurrentIndex(3);
    panel.powerOnBox()->setChecked(true);
    panel.verticalPositionBox()->setText(QStringLiteral("300"));
    press(panel.changeParametersButton());
    EXPECT_EQ(port->written.toHex(), QByteArray("5a5b078b00012c000200" "01"));
    EXPECT_TRUE(RecordStore(folder).exists(QStringLiteral("JbPic")));
}

TEST_F(PicturePanels, SizeFieldRefusesAndResetsOnEveryChange)
{
    EditPagePanel panel(context);
    panel.sizeBox()->setText(QStringLiteral("x"));
    Q_EMIT panel.sizeBox()->textEdited(panel.sizeBox()->text());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("输入应为数字")});
    EXPECT_EQ(panel.sizeBox()->text(), QStringLiteral("32"));
    panel.thresholdBox()->setText(QStringLiteral("651"));
    Q_EMIT panel.thresholdBox()->textEdited(panel.thresholdBox()->text());
    EXPECT_EQ(prompter.texts("error").value(1), QStringLiteral("数值应在-650～650之间"));
    EXPECT_EQ(panel.thresholdBox()->text(), QString());
}

TEST_F(PicturePanels, StaticModesRelayThePanelAndBringBackTheirFiles)
{
    QString error;
    RecordStore(folder).write(QStringLiteral("Fszk_jzd"), QStringLiteral("上次\r\n大字"), &error);
    WriteTextFile(folder.settingsPath(QStringLiteral("jz_zkda_cs.txt")),
                  QStringLiteral("True\r\n0\r\n2\r\n32\r\n9\r\n4\r\n200\r\n20\r\n0\r\n3\r\n0"));
    ScrollEditorPanel panel(context);
    ASSERT_EQ(panel.modeMenu()->actions().size(), 10);
    EXPECT_TRUE(panel.staticInputs()->isHidden());

    panel.modeMenu()->actions().at(8)->trigger();
    EXPECT_EQ(panel.sendFrame()->title(), QStringLiteral("当前发送模式 >> 静止—内置大号字库"));
    EXPECT_FALSE(panel.staticInputs()->isHidden());
    EXPECT_TRUE(panel.staticInputs()->fontBox()->isHidden());
    EXPECT_FALSE(panel.staticInputs()->lineSpacingBox()->isHidden());
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("上次\n大字"));
    EXPECT_EQ(panel.staticInputs()->lineSpacingBox()->currentIndex(), 9);
    EXPECT_EQ(panel.staticInputs()->verticalPositionBox()->text(), QStringLiteral("200"));
    EXPECT_EQ(panel.staticInputs()->backgroundBox()->currentIndex(), 3);

    panel.chooseSendMode(6);
    EXPECT_FALSE(panel.staticInputs()->fontBox()->isHidden());
    EXPECT_FALSE(panel.preview()->isHidden());
    // No parameter file for mode 6 yet: the inputs' defaults.
    EXPECT_EQ(panel.staticInputs()->sizeBox()->text(), QStringLiteral("32"));

    panel.chooseSendMode(5);
    EXPECT_EQ(panel.editor()->toPlainText().split(QLatin1Char('\n')).size(), 12);
    EXPECT_TRUE(panel.staticInputs()->isHidden());
    EXPECT_FALSE(panel.entryNumberBox()->isHidden());
}

TEST_F(PicturePanels, BuiltInFontStaticTextThenTheStaticTimer)
{
    ScrollEditorPanel panel(context);
    panel.chooseSendMode(8);
    panel.editor()->setPlainText(QStringLiteral("AB\n中"));
    panel.timerBox()->setText(QStringLiteral("10"));
    press(panel.refreshButton());
    ASSERT_EQ(port->writes.size(), 3) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(port->writes.at(0).toHex(), QByteArray("5a5b072300000500009610" "07"));
    EXPECT_EQ(port->writes.at(1), QByteArray::fromHex("A3C1A3C2FFD6D0"));
    EXPECT_EQ(port->writes.at(2).toHex(), QByteArray("5a5b072400000a00"));
    EXPECT_TRUE(panel.timerMarked());
    EXPECT_EQ(RecordStore(folder).readText(QStringLiteral("Fszk_jzd")), QStringLiteral("AB\r\n中"));
    EXPECT_TRUE(QFileInfo::exists(folder.settingsPath(QStringLiteral("jz_zkda_cs.txt"))));
}

TEST_F(PicturePanels, StoredPictureIsPickedFromTheListAndRecalled)
{
    ScrollEditorPanel panel(context);
    panel.chooseSendMode(5);
    press(panel.refreshButton());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("先选择要发送的信息")});
    EXPECT_TRUE(port->writes.isEmpty());

    const QString text = panel.editor()->toPlainText();
    QTextCursor cursor = panel.editor()->textCursor();
    cursor.setPosition(int(text.indexOf(QStringLiteral("[03]"))) + 2);
    panel.editor()->setTextCursor(cursor);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(panel.editor()->viewport(), &release);
    EXPECT_EQ(panel.entryNumberBox()->text(), QStringLiteral("3"));
    press(panel.secondButton());
    EXPECT_EQ(port->written.toHex(), QByteArray("5a5b07890102000000"));
}

TEST_F(PicturePanels, RenderedChineseTextGoesAsAStaticPictureAndShowsInThePreview)
{
    ScrollEditorPanel panel(context);
    panel.chooseSendMode(6);
    panel.editor()->setPlainText(QStringLiteral("静止字幕\n中文测试"));
    panel.staticInputs()->sizeBox()->setText(QStringLiteral("40"));
    press(panel.refreshButton());
    ASSERT_FALSE(port->writes.isEmpty()) << prompter.texts().join(" | ").toStdString();
    const QByteArray header = port->writes.at(0);
    EXPECT_EQ(quint8(header.at(3)), 0x88);
    EXPECT_EQ(quint8(header.at(11)), 1);
    EXPECT_EQ(quint8(header.at(10)), 16);
    const int width = quint8(header.at(4)) * 8;
    const int height = quint8(header.at(5)) * 256 + quint8(header.at(6));
    EXPECT_EQ(height, 2 * 45 - 5);
    const QImage shown = panel.preview()->picture();
    EXPECT_EQ(shown, UnpackRows(matrixSent(false), width, height));
    EXPECT_TRUE(matrixSent(false).count('\0') < matrixSent(false).size());
    EXPECT_EQ(RecordStore(folder).readText(QStringLiteral("Fs_User_JzChar")), QStringLiteral("静止字幕\r\n中文测试"));
    panel.resize(1000, 560);
    SaveScreenshot(panel, QStringLiteral("send_panel_mode6"));

    // "文字纵排" turns the text, greys the editor, and keeps no last text.
    panel.staticInputs()->verticalButton()->setChecked(true);
    EXPECT_TRUE(panel.editor()->isReadOnly());
    EXPECT_EQ(panel.editor()->toPlainText().split(QLatin1Char('\n')).size(), 4);
    panel.staticInputs()->horizontalButton()->setChecked(true);
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("静止字幕\n中文测试"));
}

TEST_F(PicturePanels, TemporaryPictureTooLargeSendsNothingAndKeepsNoRecord)
{
    ScrollEditorPanel panel(context);
    panel.chooseSendMode(7);
    QImage image(769, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    prompter.files << writeBmp(image);
    press(panel.refreshButton());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("图片的宽度不能大于768像素")});
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("ls_pic_cs.txt"))));
    // The refused picture shows, so the operator sees what is too large.
    EXPECT_EQ(panel.preview()->picture().size(), QSize(769, 10));

    // So does a rendered text that is too wide, in place of the picture shown before.
    panel.chooseSendMode(6);
    panel.editor()->setPlainText(QString(40, QChar(0x4E2D)));
    press(panel.refreshButton());
    EXPECT_EQ(prompter.texts("error").value(1),
              QStringLiteral("单行字符长度过长，每行转换成图片的后的宽度不能大于816像素"));
    EXPECT_TRUE(port->writes.isEmpty());
    EXPECT_GT(panel.preview()->picture().width(), 816);
}

TEST_F(PicturePanels, TheOperatorsTextComesBackWithHorizontalAfterAnotherKindWasOpened)
{
    EditPagePanel panel(context);
    panel.editor()->setPlainText(QStringLiteral("AB\nCD"));
    panel.verticalButton()->setChecked(true);
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("CA\nDB"));
    panel.openKind(EditPageKind::StaticText);
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("CA\nDB"));
    panel.horizontalButton()->setChecked(true);
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("AB\nCD"));
}

TEST_F(PicturePanels, BuiltInFontTextTurnsLikeADrawnOne)
{
    ScrollEditorPanel panel(context);
    for (int mode : {8, 9}) {
        panel.chooseSendMode(mode);
        EXPECT_FALSE(panel.staticInputs()->horizontalButton()->isHidden()) << mode;
        EXPECT_FALSE(panel.staticInputs()->verticalButton()->isHidden()) << mode;
    }
    panel.editor()->setPlainText(QStringLiteral("AB\nCD"));
    panel.staticInputs()->verticalButton()->setChecked(true);
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("CA\nDB"));
    press(panel.refreshButton());
    ASSERT_EQ(port->writes.size(), 2) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(port->writes.at(1), QByteArray::fromHex("A3C3A3C1FFA3C4A3C2"));
}

TEST_F(PicturePanels, ATextTooLargeToTurnIsRefusedWithItsUsesLimitAndStaysAsTyped)
{
    // 129 KB that would turn into 2 billion characters.
    const QString huge =
        QString(65000, QLatin1Char('a')) + QLatin1Char('\n') + QStringList(32000, QStringLiteral("b")).join('\n');
    ScrollEditorPanel sendPanel(context);
    EditPagePanel pagePanel(context);
    struct Case {
        int mode; // the send mode, -1 for the edit page
        QString message;
    };
    const QList<Case> cases = {
        {6, QStringLiteral("单行字符长度过长，每行转换成图片的后的宽度不能大于816像素")},
        {9, QStringLiteral("输入的字符加上行距所占的点阵数据超出设备缓存容量，请调整输入字符或行距")},
        {-1, QStringLiteral("单行字符转换成图片后宽度太大，不能大于816像素")},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        if (c.mode >= 0)
            sendPanel.chooseSendMode(c.mode);
        const auto setText = [&](const QString& text) {
            c.mode >= 0 ? sendPanel.editor()->setPlainText(text) : pagePanel.editor()->setPlainText(text);
        };
        const auto shownText = [&] {
            return c.mode >= 0 ? sendPanel.editor()->toPlainText() : pagePanel.editor()->toPlainText();
        };
        QRadioButton* horizontal =
            c.mode >= 0 ? sendPanel.staticInputs()->horizontalButton() : pagePanel.horizontalButton();
        QRadioButton* vertical = c.mode >= 0 ? sendPanel.staticInputs()->verticalButton() : pagePanel.verticalButton();
        setText(huge);
        vertical->setChecked(true);
        EXPECT_EQ(prompter.texts("error"), QStringList{c.message}) << c.mode;
        EXPECT_TRUE(horizontal->isChecked()) << c.mode;
        EXPECT_EQ(shownText(), huge) << c.mode;
        // The text as typed is still the one to edit and to turn.
        setText(QStringLiteral("AB\nCD"));
        vertical->setChecked(true);
        EXPECT_EQ(shownText(), QStringLiteral("CA\nDB")) << c.mode;
        horizontal->setChecked(true);
        EXPECT_EQ(shownText(), QStringLiteral("AB\nCD")) << c.mode;
    }
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(PicturePanels, EditPageScreenshot)
{
    EditPagePanel panel(context);
    panel.editor()->setPlainText(QStringLiteral("KV台标"));
    panel.sizeBox()->setText(QStringLiteral("32"));
    press(panel.textDownloadButton());
    panel.resize(1000, 520);
    panel.show();
    QApplication::processEvents();
    EXPECT_LE(panel.minimumSizeHint().width(), 1000);
    SaveScreenshot(panel, QStringLiteral("edit_page"));
}

TEST_F(PicturePanels, ASendThatStallsHalfWayKeepsNoRecord)
{
    // The header leaves; from the first chunk of the matrix on, nothing does.
    port->onWrite = [](MemoryPort& p, const QByteArray&) {
        if (p.writes.size() == 2)
            p.stallOutput = true;
    };
    EditPagePanel page(context);
    page.editor()->setPlainText(QString(40, QChar(0x4E2D)));
    page.sizeBox()->setText(QStringLiteral("40"));
    press(page.textDownloadButton());
    EXPECT_EQ(prompter.texts("error").size(), 1) << prompter.texts().join(" | ").toStdString();
    EXPECT_FALSE(RecordStore(folder).exists(QStringLiteral("TbChar")));

    prompter.shown.clear();
    port->onWrite = {};
    port->stallOutput = true;
    ScrollEditorPanel send(context);
    send.chooseSendMode(9);
    send.editor()->setPlainText(QStringLiteral("小字"));
    press(send.refreshButton());
    EXPECT_EQ(prompter.texts("error").size(), 1);
    EXPECT_FALSE(RecordStore(folder).exists(QStringLiteral("Fszk_jzx")));
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath(QStringLiteral("jz_zkxia_cs.txt"))));
}
