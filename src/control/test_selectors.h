#pragma once

#include <QStringList>

namespace kv {

// The selectors of the test panel. What is sent is the selected item's index; the
// items show the numbers the operator knows (row 3 is index 0).
struct TestSelector {
    QStringList items;
    int startIndex;
};

TestSelector RowSelector();        // "3" ... "13", start "8"
TestSelector ColumnSelector();     // "4" ... "26", start "16"
TestSelector ShapeSelector();      // "0" ... "21", start "0"
TestSelector HorizontalOffsetSelector(); // "0" ... "63", start "30"
TestSelector VerticalOffsetSelector();   // "0" ... "31", start "18"
TestSelector AttributeSelector();  // seven attributes, start "原样"
TestSelector ClearSelector();      // "1行" ... "16行", "清全屏"; start "清全屏"
TestSelector VideoModeSelector();  // PAL and NTSC, each with three sync choices

// The index of a shown number in a numbered selector; -1 when it has no such item.
int IndexOfShown(const TestSelector& selector, const QString& shown);

constexpr int kLastShape = 21;

} // namespace kv
