#pragma once
// Test stand-ins for what the flow asks of the outside: a UI that plays a script of dialog
// actions and records what the flow showed, asked and started, and a saved install root.

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "installer/core/default_folder.h"
#include "installer/core/installer_ui.h"
#include "installer/core/main_dialog.h"

namespace test_support {

// An install root saved by an earlier install; empty for none.
struct SavedRoot : installer::InstallRootSource {
    std::string root;
    std::string InstallRoot() const override { return root; }
};

struct TypeAndBrowse {
    std::string typed;
};
struct TypeAndStart {
    std::string typed;
    bool ticked;
};
struct CancelDialog {};
using DialogAction = std::variant<TypeAndBrowse, TypeAndStart, CancelDialog>;

// The dialog as it first appeared.
struct ShownDialog {
    installer::MainDialogTexts texts;
    std::string folder;
    bool ticked = false;
    bool enabled = false;
};

class ScriptedUi : public installer::InstallerUi {
public:
    std::deque<DialogAction> script;
    std::deque<std::optional<std::string>> chooserAnswers;

    std::optional<ShownDialog> shown;
    std::vector<std::string> editAfterBrowse;
    std::vector<installer::FolderRequest> folderRequests;
    std::vector<installer::Message> messages;
    std::vector<installer::ProgramStart> starts;

    void RunMainDialog(installer::MainDialog& dialog) override {
        shown = ShownDialog{dialog.Texts(), dialog.Folder(), dialog.ShortcutTicked(), dialog.ShortcutEnabled()};
        // A script that runs out closes the dialog, as the window's close box would.
        while (!script.empty()) {
            DialogAction action = script.front();
            script.pop_front();
            if (auto* browse = std::get_if<TypeAndBrowse>(&action)) {
                editAfterBrowse.push_back(dialog.Browse(browse->typed));
            } else if (auto* start = std::get_if<TypeAndStart>(&action)) {
                dialog.Start(start->typed, start->ticked);
                return;
            } else {
                break;
            }
        }
        dialog.Cancel();
    }

    std::optional<std::string> ChooseFolder(const installer::FolderRequest& request) override {
        folderRequests.push_back(request);
        if (chooserAnswers.empty()) return std::nullopt;
        std::optional<std::string> answer = chooserAnswers.front();
        chooserAnswers.pop_front();
        return answer;
    }

    void ShowMessage(const installer::Message& message) override { messages.push_back(message); }
    void StartProgram(const installer::ProgramStart& start) override { starts.push_back(start); }
};

}  // namespace test_support
