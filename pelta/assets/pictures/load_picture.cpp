#include "pelta/pictures/load_picture.h"

#include <QString>

#include "pelta/model/picture_table.h"

namespace pelta {

QImage LoadPicture(int sprite) {
    if (sprite < 0 || sprite >= kPictureCount) return {};
    const QString path = QStringLiteral(":/pictures/%1.bmp").arg(kPictureTable[sprite].resourceId);
    // 32-bit once at load time so that every blit is a plain row copy.
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

}  // namespace pelta
