#pragma once
// What the utility was asked to do by its command line.

#include <string>
#include <variant>
#include <vector>

namespace tovra {

// No arguments: the user started it from a menu or a shortcut and chooses an archive.
struct ChooseArchive {};
// ARCHIVE [FOLDER]: without a folder, one beside the archive named after it.
struct ExtractFile {
    std::string archive;
    std::string folder;
};
// -s- [-l]: register as the program for .lzh files; -l also puts a shortcut on the desktop.
struct Register {
    bool desktopShortcut = false;
};
struct Usage {};

using Command = std::variant<ChooseArchive, ExtractFile, Register, Usage>;

Command ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace tovra
