#pragma once

#include <QStringList>

namespace kv {

// A selector's items in the language shown now, built again on every call: the
// language is installed after start-up and a test may change it. A caller may keep the
// reference while it reads other lists (kvctl's option table does), so each list
// (each build function) has its own storage, one per thread.
template <typename Build>
const QStringList& ShownItems(Build build)
{
    thread_local QStringList items;
    items = build();
    return items;
}

} // namespace kv
