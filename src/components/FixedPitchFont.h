#pragma once

#include <QFont>

namespace velkarn {

// The fixed-pitch font of the rotation and roster lists, so that their columns line up.
inline QFont fixedPitchFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace velkarn
