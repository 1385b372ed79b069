#pragma once

#include <QPixmap>

namespace velkarn {

// The program's banner picture (start page, splash and about windows), drawn at run time so the
// program ships no image files.
QPixmap bannerPicture(int width, int height);

} // namespace velkarn
