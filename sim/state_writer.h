#pragma once

#include "sim/unit.h"

#include <QJsonObject>
#include <QList>
#include <QString>

namespace kv::sim {

// The units' state as the JSON document that --state writes.
QJsonObject StateDocument(const QList<Unit>& units);

// Writes the state file whole, so a reader never sees half a document.
class StateWriter {
public:
    explicit StateWriter(QString path) : path_(std::move(path)) {}
    bool write(const QList<Unit>& units, QString& error) const;

private:
    QString path_;
};

} // namespace kv::sim
