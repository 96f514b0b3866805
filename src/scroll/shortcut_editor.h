#pragma once

#include <QString>
#include <QStringList>

namespace kv {

class Prompter;

// The composition of a combination shortcut in the editor "编辑组合滚动快捷": the
// input mode, the segments added so far and the composition box's text built from them.
class ShortcutEditor {
public:
    enum class Mode { Characters, PictureMessage };

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    // The prompt above the input box for the current mode.
    QString prompt() const;

    struct AddOutcome {
        bool added = false;
        // The input box is emptied: after an add, and after a refused picture number.
        bool clearInput = false;
    };
    // "<< 添加" with the input box's text: checks it for the current mode and appends the
    // segment, or shows why not.
    AddOutcome add(const QString& input, Prompter& prompter);
    // "撤销": drops the last segment; an empty composition stays empty.
    void undo();
    // "全撤".
    void clear();

    const QStringList& segments() const { return segments_; }
    // One segment per line, each line ending in CR LF.
    QString compositionText() const;

private:
    Mode mode_ = Mode::Characters;
    QStringList segments_;
};

// The check of a click into the input box in character mode: the message to show when
// the input is too long for one segment, else empty.
QString InputClickMessage(ShortcutEditor::Mode mode, const QString& input);

} // namespace kv
