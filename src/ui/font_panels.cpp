#include "font_panels.h"

#include "font/font_source.h"
#include "font_panel.h"
#include "main_window.h"

#include <QCoreApplication>
#include <QDir>

namespace kv::ui {

void FontPanels::loadStartupFont() const
{
    editor->loadStartupFont(QDir(QCoreApplication::applicationDirPath()).filePath(kLocalFontFile));
}

FontPanels InstallFontPanels(MainWindow& window)
{
    FontPanels panels;
    panels.editor = new FontPanel(window.context());
    window.addPanel(panels.editor, QStringLiteral("字库编辑"));
    return panels;
}

} // namespace kv::ui
