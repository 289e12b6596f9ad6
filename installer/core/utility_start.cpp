#include "installer/core/utility_start.h"

namespace installer {

std::string UtilityPath(const std::string& folder) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + kUtilityName;
}

ProgramStart UtilityStart(const std::string& folder, ShortcutChoice shortcut) {
    ProgramStart start{UtilityPath(folder), {"-s-"}, folder};
    if (shortcut == ShortcutChoice::Yes) start.arguments.push_back("-l");
    return start;
}

}  // namespace installer
