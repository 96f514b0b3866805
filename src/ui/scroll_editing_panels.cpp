#include "scroll_editing_panels.h"

#include "app/help_topics.h"
#include "base/send_modes.h"
#include "panel_context.h"
#include "picture_text_panel.h"
#include "scroll_editor_panel.h"
#include "shortcut_editor_panel.h"
#include "text/operator_text.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

ScrollEditingPanels::ScrollEditingPanels(PanelContext& context, ScrollEditorPanel& scrollEditor, QWidget* parent)
    : QWidget(parent), context_(context), scrollEditor_(scrollEditor)
{
    shortcutButton_ = new QPushButton(Text::tr("编辑组合滚动快捷"), this);
    pictureTextButton_ = new QPushButton(Text::tr("编辑滚动信息"), this);
    close_ = new QPushButton(Text::tr("关闭"), this);
    close_->hide();
    shortcut_ = new ShortcutEditorPanel(context, this);
    shortcut_->hide();
    pictureText_ = new PictureTextPanel(context, this);
    pictureText_->hide();

    connect(shortcutButton_, &QPushButton::clicked, this, &ScrollEditingPanels::openShortcutEditor);
    connect(pictureTextButton_, &QPushButton::clicked, this, &ScrollEditingPanels::openPictureTextPanel);
    connect(close_, &QPushButton::clicked, this, &ScrollEditingPanels::closeEditors);
    connect(pictureText_, &PictureTextPanel::pictureMessageStored, &scrollEditor_,
            &ScrollEditorPanel::entryRecordChanged);
    connect(shortcut_, &ShortcutEditorPanel::shortcutSaved, this,
            [this] { scrollEditor_.entryRecordChanged(kModeShortcut); });

    auto* openers = new QHBoxLayout;
    openers->addWidget(shortcutButton_);
    openers->addWidget(pictureTextButton_);
    openers->addStretch(1);
    openers->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(openers);
    layout->addWidget(shortcut_);
    layout->addWidget(pictureText_);
}

void ScrollEditingPanels::openShortcutEditor()
{
    context_.setHelpContext(kHelpContextShortcutEditor);
    pictureText_->hide();
    shortcut_->show();
    close_->show();
    shortcutButton_->setEnabled(false);
    pictureTextButton_->setEnabled(true);
    // A shortcut is saved with "保存"; the send buttons would only send the editor's text.
    scrollEditor_.refreshButton()->hide();
    scrollEditor_.secondButton()->hide();
}

void ScrollEditingPanels::openPictureTextPanel()
{
    context_.setHelpContext(kHelpContextScrollEditor);
    shortcut_->hide();
    pictureText_->restoreSettings();
    pictureText_->show();
    close_->show();
    pictureTextButton_->setEnabled(false);
    shortcutButton_->setEnabled(true);
    scrollEditor_.refreshButton()->show();
    scrollEditor_.secondButton()->show();
}

void ScrollEditingPanels::closeEditors()
{
    shortcut_->hide();
    pictureText_->hide();
    close_->hide();
    shortcutButton_->setEnabled(true);
    pictureTextButton_->setEnabled(true);
    scrollEditor_.refreshButton()->show();
    scrollEditor_.secondButton()->show();
}

} // namespace kv::ui
