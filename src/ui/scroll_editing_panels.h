#pragma once

#include "panel_context.h"

#include <QWidget>

class QPushButton;

namespace kv::ui {

class PictureTextPanel;
class ScrollEditorPanel;
class ShortcutEditorPanel;

// The two editors opened above the scroll editor: the shortcut editor
// "编辑组合滚动快捷" and the picture-text panel "编辑滚动信息". Each opener button
// disables itself and enables the other; "关闭" puts the open one away.
class ScrollEditingPanels : public QWidget {
    Q_OBJECT
public:
    ScrollEditingPanels(PanelContext& context, ScrollEditorPanel& scrollEditor, QWidget* parent = nullptr);

    QPushButton* shortcutButton() const { return shortcutButton_; }
    QPushButton* pictureTextButton() const { return pictureTextButton_; }
    QPushButton* closeButton() const { return close_; }
    ShortcutEditorPanel* shortcutEditor() const { return shortcut_; }
    PictureTextPanel* pictureTextPanel() const { return pictureText_; }

    void openShortcutEditor();
    void openPictureTextPanel();
    void closeEditors();

private:
    PanelContext& context_;
    ScrollEditorPanel& scrollEditor_;
    QPushButton* shortcutButton_ = nullptr;
    QPushButton* pictureTextButton_ = nullptr;
    QPushButton* close_ = nullptr;
    ShortcutEditorPanel* shortcut_ = nullptr;
    PictureTextPanel* pictureText_ = nullptr;
};

} // namespace kv::ui
