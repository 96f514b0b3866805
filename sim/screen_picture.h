#pragma once

#include "sim/unit_state.h"

#include <QString>

namespace kv::sim {

// The file of a unit's character screen in the --pictures folder: unitN-screen.png,
// N the unit's address.
QString ScreenPictureName(const UnitState& state);

// Writes the unit's character screen, drawn with its font, as a PNG file into the
// folder, whole. False with the reason in error when the write failed.
bool WriteScreenPicture(const QString& folder, const UnitState& state, QString& error);

} // namespace kv::sim
