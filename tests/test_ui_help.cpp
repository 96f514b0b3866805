// The help viewer and its entry points, the model choice in the window, and the help
// texts shipped with the programs.

#include "admin_panels.h"
#include "app/device_model.h"
#include "app/help_topics.h"
#include "base/help_file.h"
#include "base/language.h"
#include "base/send_modes.h"
#include "chinese_text.h"
#include "control_panels.h"
#include "device_menu_panel.h"
#include "edit_page_panel.h"
#include "help_viewer.h"
#include "identity_panel.h"
#include "main_window.h"
#include "model_selector.h"
#include "other_functions_toggle.h"
#include "picture_panels.h"
#include "picture_text_panel.h"
#include "queue_panel.h"
#include "screenshot.h"
#include "scroll_editing_panels.h"
#include "scroll_editor_panel.h"
#include "scroll_panels.h"
#include "scroll_params_panel.h"
#include "serial_strip.h"
#include "shown_language.h"
#include "static_send_inputs.h"
#include "target_panel.h"
#include "text/operator_text.h"
#include "window_fixture.h"
#include "write_address_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

class HelpWindow : public WindowFixture {
protected:
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(dir.path()).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString viewerCaption() const { return window->helpViewer()->windowTitle(); }
    QString viewerText() const { return window->helpViewer()->textBox()->toPlainText(); }

    std::unique_ptr<ui::MainWindow> window;
};

TEST_F(HelpWindow, MainHelpFollowsTheSendModeUntilTheScrollEditorIsOpened)
{
    window = openWindow();
    window->show();
    ui::ScrollEditorPanel* editor = window->scrollPanels().editor;
    editor->chooseSendMode(kv::kModeShortcut);
    window->helpButton()->click();
    EXPECT_TRUE(window->helpViewer()->isVisible());
    EXPECT_TRUE(window->helpViewer()->textBox()->isReadOnly());
    EXPECT_EQ(viewerCaption(), QStringLiteral("使用帮助---滚动—组合快捷信息"));
    EXPECT_TRUE(viewerText().startsWith(QStringLiteral("滚动—组合快捷信息"))) << "the shipped text was copied in";

    // Going into the editor to type a message opens no editor: the send modes' help
    // texts stay in reach.
    window->activateWindow();
    editor->editor()->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(editor->editor()->hasFocus());
    EXPECT_EQ(window->context().helpContext, kHelpContextNone);
    editor->chooseSendMode(kv::kModeStoredPicture);
    window->helpButton()->click();
    EXPECT_EQ(viewerCaption(), QStringLiteral("使用帮助---静止—调用预存图片"));

    window->scrollPanels().editing->pictureTextButton()->click();
    EXPECT_EQ(window->context().helpContext, kHelpContextScrollEditor);
    // Changing the mode keeps the context.
    editor->chooseSendMode(kv::kModeLargeFont);
    EXPECT_EQ(window->context().helpContext, kHelpContextScrollEditor);
    window->helpButton()->click();
    EXPECT_EQ(viewerCaption(), QStringLiteral("使用帮助---编辑滚动信息"));
    SaveScreenshot(*window->helpViewer(), QStringLiteral("help_viewer"));
}

TEST_F(HelpWindow, ViewerJoinsLinesShowsEmptyFilesAndSaysWhenAFileIsMissing)
{
    window = openWindow();
    writeFile("help/edit_addr_readme.txt", "a\nb\n");
    window->adminPanels().queue->helpButton()->click();
    EXPECT_EQ(viewerCaption(), QStringLiteral("使用帮助---编辑设备地址"));
    EXPECT_EQ(viewerText(), "a\nb") << "a CR LF b in the text box";

    writeFile("help/edit_addr_readme.txt", "");
    window->adminPanels().queue->helpButton()->click();
    EXPECT_EQ(viewerText(), "");

    QFile::remove(QDir(dir.path()).filePath("help/edit_addr_readme.txt"));
    window->adminPanels().queue->helpButton()->click();
    EXPECT_EQ(viewerText(), QStringLiteral("帮助文件未找到"));

    // An operator's own text in code page 936 is read as such.
    writeFile("help/other_readme.txt", QByteArray::fromHex("d6d0cec4"));
    const HelpTopic other = OtherFunctionsHelpTopic();
    window->context().showHelp(other.file, other.topic);
    EXPECT_EQ(viewerCaption(), QStringLiteral("使用帮助---其他功能"));
    EXPECT_EQ(viewerText(), QStringLiteral("中文"));
}

TEST_F(HelpWindow, ModelChoiceIsRestoredWrittenOnEveryClickAndTellsThePanels)
{
    writeFile("savefiles/xinghao.txt", "1");
    window = openWindow();
    ui::ModelSelector* selector = window->modelSelector();
    EXPECT_TRUE(selector->option(1)->isChecked());
    EXPECT_EQ(selector->option(1)->text(), "KV9072");
    EXPECT_EQ(window->context().deviceModel, 1);

    // The vertical adjustments of drawn text: the edit page's, the static send's and
    // the picture-text panel's.
    const QList<QComboBox*> adjustments{window->findChild<ui::EditPagePanel*>()->verticalShiftBox(),
                                        window->findChild<ui::StaticSendInputs*>()->verticalShiftBox(),
                                        window->findChild<ui::PictureTextPanel*>()->adjustmentList()};
    for (QComboBox* adjustment : adjustments)
        EXPECT_FALSE(adjustment->isEnabled());
    selector->option(2)->click();
    EXPECT_EQ(selector->option(2)->text(), "KV9071");
    for (QComboBox* adjustment : adjustments)
        EXPECT_FALSE(adjustment->isEnabled());
    QFile file(QDir(dir.path()).filePath("savefiles/xinghao.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "2");
    file.close();
    selector->option(0)->click();
    for (QComboBox* adjustment : adjustments)
        EXPECT_TRUE(adjustment->isEnabled());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "0");
}

TEST_F(HelpWindow, EachEditorSetsTheHelpContextWhenTheOperatorOpensIt)
{
    window = openWindow();
    EXPECT_EQ(window->context().helpContext, kHelpContextNone);
    window->scrollPanels().editing->shortcutButton()->click();
    EXPECT_EQ(window->context().helpContext, kHelpContextShortcutEditor);
    window->findChild<ui::EditPagePanel*>()->kindButton(EditPageKind::StaticPicture)->click();
    EXPECT_EQ(window->context().helpContext, kHelpContextPictureEditor);
    window->scrollPanels().editing->pictureTextButton()->click();
    EXPECT_EQ(window->context().helpContext, kHelpContextScrollEditor);
}

TEST_F(HelpWindow, NoModelFileLeavesEveryOptionUnset)
{
    window = openWindow();
    for (int model = 0; model < 3; ++model)
        EXPECT_FALSE(window->modelSelector()->option(model)->isChecked());
    EXPECT_FALSE(window->context().deviceModel);
}

// The captions the operator sees on a panel as it stands: its buttons, labels, group
// boxes, tab and column titles, list items and menu items, of the widgets that show,
// and the title of the window page it sits on.
QSet<QString> shownCaptions(ui::MainWindow& window, QWidget& panel)
{
    QSet<QString> captions;
    const auto add = [&](const QString& text) {
        QString plain = text;
        plain.remove(QLatin1Char('&'));
        captions << plain.trimmed();
    };
    QTabWidget* pages = window.pages();
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(&panel))
            add(pages->tabText(i));
    const auto shown = [&](QWidget* widget) { return widget == &panel || widget->isVisibleTo(&panel); };
    QList<QWidget*> widgets = panel.findChildren<QWidget*>();
    widgets << &panel;
    for (QWidget* widget : widgets) {
        // A drop-down menu only shows when it is opened; it belongs to the button that
        // opens it.
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            if (menu->parentWidget() && shown(menu->parentWidget()))
                for (QAction* action : menu->actions())
                    add(action->text());
            continue;
        }
        if (!shown(widget))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(label->text());
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            add(box->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        if (auto* tree = qobject_cast<QTreeWidget*>(widget))
            for (int i = 0; i < tree->headerItem()->columnCount(); ++i)
                add(tree->headerItem()->text(i));
    }
    return captions;
}

// Each help text explains one panel, in the send modes or page kinds it is shown for,
// and the controls around it that the explanation leads the operator to. A caption it
// quotes is one of those, as the window shows it in the text's language; a caption of
// another mode, or of another panel that happens to have a control of that name, would
// send the operator looking for what is not there. The texts are read as the window
// reads them, from the help folder of the language it shows.
TEST_F(HelpWindow, EachHelpTextQuotesOnlyCaptionsOfThePanelAndModeItDescribes)
{
    static const QRegularExpression quoted(QStringLiteral("“([^”]*)”|\"([^\"]*)\""));
    struct Shown {
        Language language;
        // A translation: a Chinese character in it is one left untranslated.
        bool translated;
    };
    for (const Shown& shown : {Shown{Language::Chinese, false}, Shown{Language::English, true}}) {
        SCOPED_TRACE(qPrintable(LanguageCode(shown.language)));
        const ShownLanguage language(shown.language);
        if (shown.language == Language::English) {
            ASSERT_TRUE(language.installed()) << "the English translation is built beside the programs";
        }
        window.reset();
        window = openWindow();
        window->show();
        ui::MainWindow& w = *window;
        ui::ScrollEditorPanel* send = w.scrollPanels().editor;
        ui::ScrollEditingPanels* editing = w.scrollPanels().editing;
        ui::EditPagePanel* page = w.picturePanels().editPage;
        const ui::AdminPanels& admin = w.adminPanels();
        using Panels = QList<QWidget*>;
        // Every send goes over the serial strip's port to the send target.
        const Panels line{w.serialStrip(), admin.target};
        const auto captionsOf = [&](const Panels& panels) {
            QSet<QString> captions;
            for (QWidget* panel : panels)
                captions += shownCaptions(w, *panel);
            return captions;
        };
        const auto inModes = [&](const QList<int>& modes, const Panels& panels) {
            QSet<QString> captions;
            for (int mode : modes) {
                send->chooseSendMode(mode);
                captions += captionsOf(panels);
            }
            return captions;
        };
        struct Scope {
            QString file;
            std::function<QSet<QString>()> captions;
        };
        const QList<Scope> scopes = {
            {"gd_nzzk_readme.txt",
             [&] { return inModes({0, 1}, line + Panels{send, w.otherFunctionsToggle(), w.controlPanels().menu}); }},
            {"fstwdx_readme.txt", [&] { return inModes({2, 3}, line + Panels{send}); }},
            {"fszhkj_readme.txt", [&] { return inModes({4}, line + Panels{send, editing}); }},
            {"dytp_readme.txt", [&] { return inModes({5}, line + Panels{send}); }},
            {"jz_user_char_readme.txt", [&] { return inModes({6}, line + Panels{send, w.modelSelector()}); }},
            {"jz_ls_tp_readme.txt", [&] { return inModes({7}, line + Panels{send}); }},
            {"jz_nzzk_readme.txt", [&] { return inModes({8, 9}, line + Panels{send}); }},
            {"edit_dx_readme.txt",
             [&] {
                 editing->pictureTextButton()->click();
                 return inModes({0, 1, 2, 3, 4}, Panels{send, editing, w.scrollPanels().params,
                                                              w.modelSelector(), w.helpButton()});
             }},
            {"edit_zhkj_readme.txt",
             [&] {
                 editing->shortcutButton()->click();
                 return inModes({4}, Panels{send, editing, w.helpButton()});
             }},
            {"edit_jztw_readme.txt",
             [&] {
                 QSet<QString> captions;
                 for (int kind = 0; kind < kEditPageKinds; ++kind) {
                     page->kindButton(EditPageKind(kind))->click();
                     captions += captionsOf(line + Panels{page, w.modelSelector(), w.helpButton()});
                 }
                 return captions;
             }},
            {"edit_addr_readme.txt", [&] { return captionsOf(line + Panels{admin.queue}); }},
            {"other_readme.txt",
             [&] {
                 QSet<QString> captions = captionsOf(line + Panels{w.controlPanels().menu, admin.identity,
                                                                    admin.writeAddress, w.otherFunctionsToggle()});
                 w.otherFunctionsToggle()->toggle();
                 captions += captionsOf({w.otherFunctionsToggle()});
                 w.otherFunctionsToggle()->toggle();
                 return captions;
             }},
        };
        QStringList described;
        for (const Scope& scope : scopes)
            described << scope.file;
        described.sort();
        QStringList shipped = HelpFileNames();
        shipped.sort();
        ASSERT_EQ(described, shipped);

        for (const Scope& scope : scopes) {
            const QString text = ReadHelpText(w.context().folder, scope.file);
            EXPECT_NE(text, Text::tr("帮助文件未找到")) << qPrintable(scope.file);
            EXPECT_FALSE(text.trimmed().isEmpty()) << qPrintable(scope.file);
            if (shown.translated) {
                EXPECT_FALSE(text.contains(ChineseCharacter()))
                    << qPrintable(scope.file) << ": " << qPrintable(ChineseCharacter().match(text).captured());
            }
            const QSet<QString> captions = scope.captions();
            for (auto match = quoted.globalMatch(text); match.hasNext();) {
                const auto m = match.next();
                const QString caption = m.captured(1).isNull() ? m.captured(2) : m.captured(1);
                EXPECT_TRUE(captions.contains(caption)) << qPrintable(scope.file) << ": " << qPrintable(caption);
            }
        }
    }
}

} // namespace
