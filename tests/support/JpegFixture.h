#pragma once

#include <string>

namespace velkarn::test {

// A JPEG of the given size: left half red, right half blue (or two grey levels).
std::string encodeJpeg(int width, int height, bool grey = false);

} // namespace velkarn::test
