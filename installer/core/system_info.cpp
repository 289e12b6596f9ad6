#include "installer/core/system_info.h"

namespace installer {

bool IsJapaneseLocale(std::string_view localeName) {
    if (!localeName.starts_with("ja")) return false;
    return localeName.size() == 2 || localeName[2] == '_' || localeName[2] == '-' || localeName[2] == '.';
}

}  // namespace installer
