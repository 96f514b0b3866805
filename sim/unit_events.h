#pragma once

#include "sim/png_image.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kv::sim {

// A picture a unit received to show, under the name of what it is ("logo", "slot3").
struct ShownPicture {
    QString name;
    GreyImage image;
};

// What a unit has to tell about a frame besides its state and its answer: notes for
// the traffic log (a picture dropped for a wrong sum) and the pictures it got.
struct UnitEvents {
    QStringList notes;
    QList<ShownPicture> pictures;

    bool empty() const { return notes.isEmpty() && pictures.isEmpty(); }
};

} // namespace kv::sim
