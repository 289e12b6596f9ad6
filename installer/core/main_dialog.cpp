#include "installer/core/main_dialog.h"

#include "installer/core/installer_ui.h"

namespace installer {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

MainDialog::MainDialog(InstallerUi& ui, const SystemInfo& system, std::string folder)
    : ui_(ui),
      system_(system),
      texts_(MainDialogTextsFor(system.japanese)),
      folder_(std::move(folder)),
      shortcut_(HasOldShell(system) ? ShortcutChoice::NotOffered : ShortcutChoice::Yes) {}

std::string MainDialog::Browse(std::string typed) {
    folder_ = std::move(typed);
    std::optional<std::string> chosen;
    if (HasOldShell(system_)) {
        chosen = ui_.ChooseFolder({folder_, DirectoryPickerTitle(system_.japanese), true});
        if (chosen) chosen = PickedFolder(*chosen);
    } else {
        chosen = ui_.ChooseFolder({BrowserStartFolder(folder_), FolderBrowserTitle(system_.japanese), false});
    }
    if (chosen && !chosen->empty()) folder_ = std::move(*chosen);
    return folder_;
}

void MainDialog::Start(std::string typed, bool shortcutTicked) {
    folder_ = std::move(typed);
    if (shortcut_ != ShortcutChoice::NotOffered) shortcut_ = shortcutTicked ? ShortcutChoice::Yes : ShortcutChoice::No;
    started_ = true;
}

std::string BrowserStartFolder(std::string folder) {
    std::size_t n = folder.size();
    if (n > 2 && IsSeparator(folder[n - 1]) && !IsSeparator(folder[n - 2]) && folder[n - 2] != ':') folder.pop_back();
    return folder;
}

std::string PickedFolder(const std::string& picked) {
    std::size_t last = picked.rfind('/');
    return last == std::string::npos ? picked : picked.substr(0, last + 1);
}

}  // namespace installer
