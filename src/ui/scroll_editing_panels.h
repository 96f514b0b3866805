#pragma once

#include "panel_context.h"

#include <QWidget>

class QPushButton;

namespace kv::ui {

class ScrollEditorPanel;
class ShortcutEditorPanel;

// The two editors opened above the scroll editor: the shortcut editor
// "编辑组合滚动快捷" and (with its own button) the picture message panel. Each opener
// button disables itself and enables the other; "关闭" puts both away.
class ScrollEditingPanels : public QWidget {
    Q_OBJECT
public:
    ScrollEditingPanels(PanelContext& context, ScrollEditorPanel& scrollEditor, QWidget* parent = nullptr);

    QPushButton* shortcutButton() const { return shortcutButton_; }
    QPushButton* closeButton() const { return close_; }
    ShortcutEditorPanel* shortcutEditor() const { return shortcut_; }

    void openShortcutEditor();
    void closeEditors();

private:
    ScrollEditorPanel& scrollEditor_;
    QPushButton* shortcutButton_ = nullptr;
    QPushButton* close_ = nullptr;
    ShortcutEditorPanel* shortcut_ = nullptr;
};

} // namespace kv::ui
