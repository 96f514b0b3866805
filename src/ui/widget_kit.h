#pragma once

#include "base/position_time_checks.h"

#include <QBoxLayout>
#include <QStringList>
#include <initializer_list>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kv {
class Prompter;
}

namespace kv::ui {

// Checks a box on every change the operator makes: a refused text shows its message
// and the box takes the rule's reset text.
void GuardField(Prompter& prompter, QLineEdit* box, BoxVerdict (*check)(const QString&));

// A list of the items showing the one at start.
QComboBox* Selector(const QStringList& items, int start, QWidget* parent);

// The height of an editor that shows this many lines of its font, frame and document
// margins included.
int LinesHeight(const QPlainTextEdit& edit, int lines);

// A row or column of the widgets in order, with the room to spare after the last.
template <typename Box>
Box* PackedBox(std::initializer_list<QWidget*> widgets)
{
    auto* box = new Box;
    for (QWidget* widget : widgets)
        box->addWidget(widget);
    box->addStretch(1);
    return box;
}

} // namespace kv::ui
