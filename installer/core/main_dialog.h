#pragma once
// The main dialog's behaviour: what it shows at first and what its buttons do with what the
// user typed and ticked.

#include <string>

#include "installer/core/dialog_texts.h"
#include "installer/core/system_info.h"

namespace installer {

class InstallerUi;

enum class ShortcutChoice { No = 0, Yes = 1, NotOffered = 2 };

class MainDialog {
public:
    MainDialog(InstallerUi& ui, const SystemInfo& system, std::string folder);

    const MainDialogTexts& Texts() const { return texts_; }
    // The folder shown in the edit.
    const std::string& Folder() const { return folder_; }
    bool ShortcutTicked() const { return shortcut_ == ShortcutChoice::Yes; }
    bool ShortcutEnabled() const { return shortcut_ != ShortcutChoice::NotOffered; }

    // Browse: lets the user choose a folder starting at the typed one; returns the folder
    // the edit shows next (the typed one when the user cancels).
    std::string Browse(std::string typed);
    void Start(std::string typed, bool shortcutTicked);
    void Cancel() { started_ = false; }

    bool Started() const { return started_; }
    ShortcutChoice Shortcut() const { return shortcut_; }

private:
    InstallerUi& ui_;
    SystemInfo system_;
    MainDialogTexts texts_;
    std::string folder_;
    ShortcutChoice shortcut_;
    bool started_ = false;
};

// Where the folder browser opens for `folder`: without a trailing separator, except where the
// separator is the whole of a root or follows another one.
std::string BrowserStartFolder(std::string folder);

// The directory picker's answer as a folder: cut after its last separator.
std::string PickedFolder(const std::string& picked);

}  // namespace installer
