#pragma once
// What the installer flow asks of its windows and of the system; the application shows real
// dialogs, tests script them.

#include <optional>
#include <string>
#include <vector>

namespace installer {

class MainDialog;

struct FolderRequest {
    std::string start;  // the folder the chooser opens at
    std::string title;
    // The old shell's plain directory picker, which returns a path ending in a separator.
    bool directoryPicker = false;
};

enum class MessageIcon { None, Information };

// A message box without an owner and with an OK button only.
struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
};

// A program started with its arguments passed as they are, through no shell.
struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;
};

class InstallerUi {
public:
    virtual ~InstallerUi() = default;
    // Shows the main dialog modally until the user starts or cancels through `dialog`.
    virtual void RunMainDialog(MainDialog& dialog) = 0;
    // The chosen folder, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseFolder(const FolderRequest& request) = 0;
    virtual void ShowMessage(const Message& message) = 0;
    // Starts without waiting; whether it started is not the installer's concern.
    virtual void StartProgram(const ProgramStart& start) = 0;
};

}  // namespace installer
