#pragma once
// The texts of the installer's windows in one language: the main dialog (template 2 in
// Japanese, 1 in English), the folder choosers and the closing message.

#include <string>

namespace installer {

struct MainDialogTexts {
    int templateId = 0;
    std::string title;
    std::string folderLabel;
    std::string browse;
    std::string shortcut;
    std::string start;
    std::string cancel;
};

// The main dialog's size in dialog units, the same in both languages.
constexpr int kMainDialogWidth = 194;
constexpr int kMainDialogHeight = 82;

MainDialogTexts MainDialogTextsFor(bool japanese);

// Title of the folder browser.
std::string FolderBrowserTitle(bool japanese);
// Title of the plain directory picker used on the old shell.
std::string DirectoryPickerTitle(bool japanese);
// Caption of the box that reports a finished installation.
std::string InstallFinishedCaption(bool japanese);

}  // namespace installer
