#pragma once

#include "base/record_store.h"
#include "panel_context.h"
#include "scroll/shortcut_editor.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace kv::ui {

// The shortcut editor "编辑组合滚动快捷": segments of characters and picture messages
// composed one by one and saved into the units under a shortcut number.
class ShortcutEditorPanel : public QWidget {
    Q_OBJECT
public:
    explicit ShortcutEditorPanel(PanelContext& context, QWidget* parent = nullptr);

    QComboBox* numberList() const { return number_; }
    QComboBox* sizeList() const { return size_; }
    QCheckBox* powerOnBox() const { return powerOn_; }
    QLabel* promptLabel() const { return prompt_; }
    QPlainTextEdit* inputBox() const { return input_; }
    QPushButton* charactersButton() const { return characters_; }
    QPushButton* pictureButton() const { return picture_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* clearAllButton() const { return clearAll_; }
    QPushButton* saveButton() const { return save_; }
    QPlainTextEdit* compositionBox() const { return composition_; }
    const ShortcutEditor& editor() const { return editor_; }

signals:
    // A save reached the units and the record "ZhKj16" holds its description.
    void shortcutSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The steps that build the editor: its widgets first, then the rows they stand in.
    void createChoices();
    void createComposer();
    void connectComposer();
    QHBoxLayout* arrangeChoices();
    QVBoxLayout* arrangeEntry();
    QVBoxLayout* arrangeActions();
    void chooseMode(ShortcutEditor::Mode mode);
    void addSegment();
    void showComposition();
    void setInputDimmed(bool dimmed);
    void inputClicked();
    void saveShortcut();

    PanelContext& context_;
    RecordStore store_;
    ShortcutEditor editor_;

    QComboBox* number_ = nullptr;
    QComboBox* size_ = nullptr;
    QCheckBox* powerOn_ = nullptr;
    QLabel* prompt_ = nullptr;
    QPlainTextEdit* input_ = nullptr;
    QPushButton* characters_ = nullptr;
    QPushButton* picture_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* save_ = nullptr;
    QPlainTextEdit* composition_ = nullptr;
};

} // namespace kv::ui
