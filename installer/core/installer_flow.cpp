#include "installer/core/installer_flow.h"

#include "installer/core/dialog_texts.h"
#include "installer/core/main_dialog.h"
#include "installer/core/text_table.h"
#include "installer/core/utility_start.h"

namespace installer {
namespace {

// Archive members carry no permissions; the utility has to be made runnable here.
void MakeRunnable(const std::filesystem::path& program) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(program, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, ignored);
}

}  // namespace

void ShowResultMessage(InstallerUi& ui, bool japanese, const std::string& text) {
    ui.ShowMessage({text, LoadText(kTextCaption, japanese), MessageIcon::Information});
}

std::string ExpandHome(const std::string& folder, const std::string& home) {
    if (home.empty() || !(folder == "~" || folder.starts_with("~/"))) return folder;
    return home + folder.substr(1);
}

int RunInstaller(InstallerUi& ui, const InstallerContext& context) {
    const bool japanese = context.system.japanese;
    MainDialog dialog(ui, context.system, DefaultFolder(context.saved, context.environment));
    ui.RunMainDialog(dialog);
    if (!dialog.Started()) return 0;

    const std::string folder = ExpandHome(dialog.Folder(), context.environment.home);
    // An empty folder would scatter the files into wherever the installer was started from.
    lzh::ResultCode result = folder.empty() ? lzh::ResultCode::WriteError : context.extract(folder);
    if (result != lzh::ResultCode::Success) {
        ShowResultMessage(ui, japanese, ResultMessage(result, japanese));
        return 0;
    }
    MakeRunnable(UtilityPath(folder));
    ui.ShowMessage({LoadText(kTextInstallFinished, japanese), InstallFinishedCaption(japanese), MessageIcon::None});
    ui.StartProgram(UtilityStart(folder, dialog.Shortcut()));
    return 0;
}

}  // namespace installer
