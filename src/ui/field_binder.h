#pragma once

#include "widget_kit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <concepts>
#include <functional>
#include <vector>

namespace kv::ui {

// Pairs the members of a panel's fields struct with the widgets that show them, so
// that each pair is written once: read fills the bound members from the widgets, show
// sets the widgets from the members, both in the order the pairs were bound. Members
// a panel reads or shows in a way of its own stay out of the binder. Each bind returns
// its widget, so a panel binds a widget where it makes it.
template <typename Fields>
class FieldBinder {
public:
    // A list's index.
    QComboBox* bind(QComboBox* box, int Fields::*index)
    {
        add([box, index](Fields& fields) { fields.*index = box->currentIndex(); },
            [box, index](const Fields& fields) { box->setCurrentIndex(fields.*index); });
        return box;
    }
    // A new list of the items, bound to the member and showing its value in fresh fields.
    QComboBox* bindSelector(const QStringList& items, int Fields::*index, QWidget* parent)
    {
        return bind(Selector(items, Fields{}.*index, parent), index);
    }
    // A box's text as typed.
    QLineEdit* bind(QLineEdit* box, QString Fields::*text)
    {
        add([box, text](Fields& fields) { fields.*text = box->text(); },
            [box, text](const Fields& fields) { box->setText(fields.*text); });
        return box;
    }
    // A new box bound to the member, holding its value in fresh fields.
    QLineEdit* bindBox(QString Fields::*text, QWidget* parent)
    {
        return bind(new QLineEdit(Fields{}.*text, parent), text);
    }
    // Whether a check box or option is ticked.
    template <std::derived_from<QAbstractButton> Button>
    Button* bind(Button* button, bool Fields::*checked)
    {
        add([button, checked](Fields& fields) { fields.*checked = button->isChecked(); },
            [button, checked](const Fields& fields) { button->setChecked(fields.*checked); });
        return button;
    }

    void read(Fields& fields) const
    {
        for (const Pair& pair : pairs_)
            pair.read(fields);
    }
    void show(const Fields& fields) const
    {
        for (const Pair& pair : pairs_)
            pair.show(fields);
    }

private:
    struct Pair {
        std::function<void(Fields&)> read;
        std::function<void(const Fields&)> show;
    };

    void add(std::function<void(Fields&)> read, std::function<void(const Fields&)> show)
    {
        pairs_.push_back({std::move(read), std::move(show)});
    }

    std::vector<Pair> pairs_;
};

} // namespace kv::ui
