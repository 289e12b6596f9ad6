#pragma once

#include <string>

#include "raster.h"

namespace pictures {

// Writes `picture` as an uncompressed 4-bit Windows bitmap with the standard 16-colour table.
bool WriteBmp4(const std::string& path, const Raster& picture);

}  // namespace pictures
