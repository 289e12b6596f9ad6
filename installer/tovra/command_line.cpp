#include "installer/tovra/command_line.h"

#include <algorithm>

namespace tovra {

Command ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return ChooseArchive{};
    auto isSetup = [](const std::string& a) { return a == "-s-"; };
    if (std::any_of(arguments.begin(), arguments.end(), isSetup)) {
        Register setup;
        for (const std::string& a : arguments) {
            if (a == "-l" && !setup.desktopShortcut) {
                setup.desktopShortcut = true;
            } else if (!isSetup(a) || std::count_if(arguments.begin(), arguments.end(), isSetup) > 1) {
                return Usage{};
            }
        }
        return setup;
    }
    if (arguments.size() > 2 || arguments[0].starts_with('-')) return Usage{};
    return ExtractFile{arguments[0], arguments.size() == 2 ? arguments[1] : ""};
}

}  // namespace tovra
