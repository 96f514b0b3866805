#pragma once

#include "sim/png_image.h"
#include "sim/unit_state.h"

#include <QString>

namespace kv::sim {

// Where --pictures puts what the units got to show: one PNG file a picture, named by
// the unit and what the picture is ("unit1-logo.png"), the latest overwriting the one
// before, so a person or a test can look at it.
class PictureFiles {
public:
    explicit PictureFiles(QString directory) : directory_(std::move(directory)) {}

    // The file of picture name of this unit.
    QString pathOf(const UnitState& unit, const QString& name) const;
    // Writes the file whole; false with the reason in error when that failed.
    bool write(const UnitState& unit, const QString& name, const GreyImage& image, QString& error) const;

private:
    QString directory_;
};

} // namespace kv::sim
