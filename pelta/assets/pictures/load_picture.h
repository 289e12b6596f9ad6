#pragma once
// The batting game's pictures, carried as Qt resources ":/pictures/<resource id>.bmp".

#include <QImage>

namespace pelta {

// Picture `sprite` (0..75) as a 32-bit image; a null image for an index outside the table.
QImage LoadPicture(int sprite);

}  // namespace pelta
