#pragma once
// mimeapps.list, where the user's choice of program for each file type is kept.

#include <string>
#include <string_view>
#include <vector>

namespace tovra {

// `current` with `desktopId` as the default program of each type and first among the
// programs added for it; every other line is kept as it was.
std::string WithDefaultApplication(std::string_view current, const std::vector<std::string>& mimeTypes,
                                   std::string_view desktopId);

}  // namespace tovra
