#pragma once
// The installer's string table: each message in Japanese at an even identifier and, where
// there is one, in English at the next.

#include <string>

#include "installer/lzh/result_code.h"

namespace installer {

enum TextId : int {
    kTextCaption = 1028,           // every error box's caption
    kTextLastResortFolder = 1030,  // the folder proposed when nothing better is known
    kTextInstallFinished = 1036,
    kTextResultMessages = 2048,  // + 2 × result code
};

// The English text (identifier + 1) unless `japanese` is set or there is none; then the text
// at the identifier itself. Empty for an identifier the table does not hold.
std::string LoadText(int id, bool japanese);

// The message shown for an extraction's result code.
std::string ResultMessage(lzh::ResultCode code, bool japanese);

}  // namespace installer
