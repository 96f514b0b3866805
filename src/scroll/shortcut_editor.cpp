#include "scroll/shortcut_editor.h"

#include "base/line_ends.h"
#include "base/prompter.h"
#include "scroll/shortcut_segments.h"
#include "text/operator_text.h"

namespace kv {

QString ShortcutEditor::prompt() const
{
    return mode_ == Mode::Characters ? Text::tr("输入要插入的字符：") : Text::tr("输入插入短信编号：");
}

ShortcutEditor::AddOutcome ShortcutEditor::add(const QString& input, Prompter& prompter)
{
    if (segments_.size() >= kMaxShortcutSegments) {
        prompter.error(SegmentListFullText());
        return {};
    }
    QString line;
    if (mode_ == Mode::PictureMessage) {
        const auto number = PictureMessageNumber(input);
        if (!number) {
            prompter.error(PictureNumberRefusedText());
            return {false, true};
        }
        line = PictureSegmentLine(*number);
    } else {
        if (input.isEmpty()) {
            prompter.error(NoCharactersText());
            return {};
        }
        const QString characters = SegmentCharacters(input);
        if (const auto problem = CharacterSegmentProblem(characters)) {
            prompter.error(*problem);
            return {};
        }
        line = CharacterSegmentLine(characters);
    }
    segments_ << line;
    return {true, true};
}

void ShortcutEditor::undo()
{
    if (!segments_.isEmpty())
        segments_.removeLast();
}

void ShortcutEditor::clear()
{
    segments_.clear();
}

QString ShortcutEditor::compositionText() const
{
    QString text;
    for (const QString& segment : segments_)
        text += segment + kCrLf;
    return text;
}

QString InputClickMessage(ShortcutEditor::Mode mode, const QString& input)
{
    if (mode == ShortcutEditor::Mode::Characters && SegmentCharacters(input).size() > kMaxSegmentCharacters)
        return SegmentTooLongOnClickText();
    return QString();
}

} // namespace kv
