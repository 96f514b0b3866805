#pragma once

#include "font/font_record.h"
#include "font/font_table.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace kv {

// The character under edit: its code, the 54-byte current character buffer and the
// 12 x 18 grid that is the working copy, with undo and redo of the grid's edits.
// The font table is the caller's; the editor only reads it and hands records back.
class FontEditor {
public:
    FontEditor();

    std::optional<int> code() const { return code_; }
    const Grid& grid() const { return grid_; }
    const QByteArray& buffer() const { return buffer_; }

    // Starts editing code: its record into the buffer and the grid. Returns the code
    // that was under edit before, whose thumbnail is to be shown again.
    std::optional<int> select(int code, const FontTable& table);
    // Drops the edit: empty buffer, no code, a transparent grid. Returns the code that
    // was under edit.
    std::optional<int> cancel();

    // Painting advances a cell one step (transparent, white, black, transparent) when
    // the button goes down on it and each time the held pointer enters another cell.
    void press(int cell);
    void dragTo(int cell);
    void release();

    // Each needs a character under edit; false (nothing changed) without one.
    bool shiftUp();
    bool shiftDown();
    bool shiftLeft();
    bool shiftRight();
    bool extract(const QByteArray& record);

    // These work on the grid whether or not a character is under edit.
    void outline();
    void removeOutline();
    void fill(CellColour colour);

    // Packs the grid into the buffer and returns it.
    const QByteArray& pack();

    bool canUndo() const { return !undo_.isEmpty(); }
    bool canRedo() const { return !redo_.isEmpty(); }
    bool undo();
    bool redo();

private:
    struct Snapshot {
        Grid grid;
        QByteArray buffer;
    };
    void remember();
    void resetHistory();
    // Takes the last snapshot of from back, keeping the present state in keep.
    bool restore(QList<Snapshot>& from, QList<Snapshot>& keep);
    void setBuffer(const QByteArray& record);
    bool shift(QByteArray (*op)(const QByteArray&));
    void advance(int cell);

    std::optional<int> code_;
    QByteArray buffer_;
    Grid grid_;
    std::optional<int> strokeCell_;
    QList<Snapshot> undo_;
    QList<Snapshot> redo_;
};

} // namespace kv
