#include "font/font_editor.h"

#include "font/glyph_ops.h"

namespace kv {

namespace {
// Deep enough for any slip of the mouse, small enough to be nothing in memory.
constexpr int kUndoDepth = 200;

CellColour nextColour(CellColour colour)
{
    if (colour == kWhiteCell)
        return kBlackCell;
    if (colour == kBlackCell)
        return kTransparentCell;
    return kWhiteCell;
}
} // namespace

FontEditor::FontEditor() : buffer_(kRecordSize, '\0'), grid_(FilledGrid(kTransparentCell)) {}

std::optional<int> FontEditor::select(int code, const FontTable& table)
{
    const auto previous = code_;
    code_ = code;
    setBuffer(table.record(code));
    grid_ = UnpackRecord(buffer_);
    resetHistory();
    return previous;
}

std::optional<int> FontEditor::cancel()
{
    const auto previous = code_;
    buffer_ = QByteArray(kRecordSize, '\0');
    if (code_) {
        code_.reset();
        grid_ = FilledGrid(kTransparentCell);
    }
    resetHistory();
    return previous;
}

void FontEditor::press(int cell)
{
    if (cell < 0 || cell >= kGlyphPixels)
        return;
    remember();
    strokeCell_ = cell;
    advance(cell);
}

void FontEditor::dragTo(int cell)
{
    if (!strokeCell_ || cell == *strokeCell_ || cell < 0 || cell >= kGlyphPixels)
        return;
    strokeCell_ = cell;
    advance(cell);
}

void FontEditor::release()
{
    strokeCell_.reset();
}

void FontEditor::advance(int cell)
{
    grid_[cell] = nextColour(grid_[cell]);
}

bool FontEditor::shift(QByteArray (*op)(const QByteArray&))
{
    if (!code_)
        return false;
    remember();
    setBuffer(op(buffer_));
    grid_ = UnpackRecord(buffer_);
    return true;
}

bool FontEditor::shiftUp() { return shift(&ShiftedUp); }
bool FontEditor::shiftDown() { return shift(&ShiftedDown); }
bool FontEditor::shiftLeft() { return shift(&ShiftedLeft); }
bool FontEditor::shiftRight() { return shift(&ShiftedRight); }

bool FontEditor::extract(const QByteArray& record)
{
    if (!code_)
        return false;
    remember();
    setBuffer(record);
    grid_ = UnpackRecord(buffer_);
    return true;
}

void FontEditor::outline()
{
    remember();
    grid_ = Outlined(grid_);
    pack();
}

void FontEditor::removeOutline()
{
    remember();
    grid_ = WithoutOutline(grid_);
    pack();
}

void FontEditor::fill(CellColour colour)
{
    remember();
    grid_ = FilledGrid(colour);
}

const QByteArray& FontEditor::pack()
{
    buffer_ = PackGrid(grid_);
    return buffer_;
}

void FontEditor::setBuffer(const QByteArray& record)
{
    buffer_ = record.left(kRecordSize);
    buffer_.append(QByteArray(kRecordSize - buffer_.size(), '\0'));
}

void FontEditor::remember()
{
    // The history belongs to one character; without one there is nothing to undo to.
    if (!code_)
        return;
    undo_.append({grid_, buffer_});
    if (undo_.size() > kUndoDepth)
        undo_.removeFirst();
    redo_.clear();
}

void FontEditor::resetHistory()
{
    undo_.clear();
    redo_.clear();
    strokeCell_.reset();
}

bool FontEditor::undo()
{
    return restore(undo_, redo_);
}

bool FontEditor::redo()
{
    return restore(redo_, undo_);
}

bool FontEditor::restore(QList<Snapshot>& from, QList<Snapshot>& keep)
{
    if (from.isEmpty())
        return false;
    keep.append({grid_, buffer_});
    const Snapshot s = from.takeLast();
    grid_ = s.grid;
    buffer_ = s.buffer;
    return true;
}

} // namespace kv
