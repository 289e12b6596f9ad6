// Renders the installer's main dialog, as it first shows, to a PNG: a way to look at its layout
// in either language without installing anything, and the launcher's picture of the installer.

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <string>
#include <vector>

#include "installer/app/installer_window.h"
#include "installer/app/qt_installer_ui.h"
#include "tools/command-line/command_line.h"
#include "installer/core/default_folder.h"
#include "installer/core/main_dialog.h"

namespace {

// No folder saved by an earlier installation.
struct NothingSaved : installer::InstallRootSource {
    std::string InstallRoot() const override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
    // The one option, taken out before the positional arguments are read.
    bool japanese = false;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::string(argv[i]) == "--japanese") {
            japanese = true;
        } else {
            rest.push_back(argv[i]);
        }
    }
    const std::vector<std::string> args = tool::PositionalArguments(
        static_cast<int>(rest.size()), rest.data(),
        "[--japanese] OUTPUT.png\n"
        "Renders the installer's main dialog to OUTPUT.png as it first shows for a user whose home is\n"
        "/home/user on a current desktop; in English, or in Japanese with --japanese.",
        1, 1);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using namespace installer;
    // The version only decides whether the shortcut box is offered; any current shell offers it.
    const SystemInfo system{10 * 256, japanese};
    QtInstallerUi ui;
    MainDialog dialog(ui, system, DefaultFolder(NothingSaved{}, {"", "/home/user"}));
    InstallerWindow window(dialog);
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString(args[0]), "PNG")) {
        std::fprintf(stderr, "tovrains-shot: cannot write %s\n", args[0].c_str());
        return 1;
    }
    return 0;
}
