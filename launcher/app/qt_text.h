#pragma once
// The launcher's texts are UTF-8 in the code; Qt wants them as QString.

#include <QString>
#include <string_view>

namespace launcher {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace launcher
