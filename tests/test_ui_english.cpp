// The window in English at 1280 x 720: every page, every send mode, every editor and
// dialog opens, and no text the program itself shows in them is Chinese. What the
// operator wrote or keeps in files (the editors' text, the lists read from the
// application folder) is theirs and stays as it is.

#include "app/language_setup.h"
#include "chinese_text.h"
#include "edit_page_panel.h"
#include "help_viewer.h"
#include "main_window.h"
#include "other_functions_toggle.h"
#include "picture/edit_page.h"
#include "port_map_dialog.h"
#include "scroll_editing_panels.h"
#include "scroll_editor_panel.h"
#include "scroll_panels.h"
#include "admin_panels.h"
#include "picture_panels.h"
#include "screenshot.h"
#include "window_fixture.h"
#include "write_address_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

using namespace kv;
using namespace kv::test;
using namespace kv::ui;

namespace {

// The language selector names each language in its own words.
const QStringList kOwnWords = {QStringLiteral("languageCombo")};

QStringList headerTexts(QAbstractItemModel* model, Qt::Orientation orientation, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << model->headerData(i, orientation).toString();
    return texts;
}

// The program's own texts of a visible widget: captions, titles, tool tips, fixed list
// items, read-only panes and headers; not what the operator types or keeps in files.
QStringList ownTexts(QWidget* w)
{
    QStringList texts{w->toolTip()};
    if (w->isWindow())
        texts << w->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(w))
        texts << label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        texts << button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        texts << group->title();
    else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        texts << line->placeholderText();
        if (line->isReadOnly())
            texts << line->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (!combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        if (text->isReadOnly())
            texts << text->toPlainText();
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
        texts << headerTexts(table->model(), Qt::Horizontal, table->columnCount());
    } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        texts << headerTexts(tree->model(), Qt::Horizontal, tree->columnCount());
    }
    return texts;
}

// Every Chinese text shown by root and its visible widgets, with the widget's kind.
QStringList chineseTexts(QWidget& root)
{
    QStringList found;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        if (!w->isVisible() || kOwnWords.contains(w->objectName()))
            continue;
        for (const QString& text : ownTexts(w))
            if (text.contains(ChineseCharacter()))
                found << w->metaObject()->className() + QStringLiteral(" ")
                             + w->objectName() + QStringLiteral(" \"") + text + QStringLiteral("\"");
    }
    return found;
}

class EnglishWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        static const bool installed = InstallLanguage(UiApp(), Language::English);
        ASSERT_TRUE(installed);
    }
};

} // namespace

TEST_F(EnglishWindow, EveryPanelOpensWithNoChineseOfItsOwn)
{
    auto window = openWindow();
    window->resize(1280, 720);
    window->show();
    window->otherFunctionsToggle()->unfold();
    QApplication::processEvents();
    // The longer English captions still leave the window room on a 1280 x 720 screen.
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    EXPECT_LE(minimum.width(), 1280);
    EXPECT_LE(minimum.height(), 720);
    EXPECT_EQ(window->size(), QSize(1280, 720));
    // Each Chinese text once, with the first view that showed it.
    QStringList found;
    QSet<QString> seen;
    const auto look = [&](QWidget& part, const QString& where) {
        QApplication::processEvents();
        for (const QString& text : chineseTexts(part)) {
            if (!seen.contains(text))
                found << where + QStringLiteral(": ") + text;
            seen.insert(text);
        }
        SaveScreenshot(part, QStringLiteral("english_") + where);
    };

    QTabWidget* pages = window->pages();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        look(*window, QStringLiteral("page%1").arg(page));
    }
    pages->setCurrentIndex(0);
    ScrollEditorPanel* editor = window->scrollPanels().editor;
    for (int mode = 0; mode <= 9; ++mode) {
        editor->chooseSendMode(mode);
        look(*window, QStringLiteral("mode%1").arg(mode));
    }
    for (QAction* action : editor->modeMenu()->actions())
        if (action->text().contains(ChineseCharacter()))
            found << QStringLiteral("send mode list: \"") + action->text() + QStringLiteral("\"");
    editor->chooseSendMode(0);
    window->scrollPanels().editing->openShortcutEditor();
    look(*window, QStringLiteral("shortcut_editor"));
    window->scrollPanels().editing->openPictureTextPanel();
    look(*window, QStringLiteral("picture_text_panel"));
    for (int kind = 0; kind < kEditPageKinds; ++kind) {
        window->picturePanels().editPage->openKind(EditPageKind(kind));
        look(*window, QStringLiteral("edit_page%1").arg(kind));
    }

    window->helpButton()->click();
    look(*window->helpViewer(), QStringLiteral("help_viewer"));
    EXPECT_GT(window->helpViewer()->textBox()->toPlainText().size(), 200);
    window->helpViewer()->close();
    window->adminPanels().writeAddress->open();
    look(*window->adminPanels().writeAddress, QStringLiteral("write_address_dialog"));
    window->adminPanels().writeAddress->close();
    PortMapDialog map(AppFolder(dir.path()), {}, 9600, window.get());
    map.show();
    look(map, QStringLiteral("port_map_dialog"));

    EXPECT_TRUE(found.isEmpty()) << found.size() << " Chinese texts:\n" << found.join(QLatin1Char('\n')).toStdString();
}

// Qt's own buttons speak the window's language: English, without Qt's Chinese texts.
TEST_F(EnglishWindow, QtStandardButtonsReadEnglish)
{
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), "OK");
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), "Yes");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), "No");
}
