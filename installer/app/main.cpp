// tovrains: installs the Tovra utility from the archive it carries.

#include <QApplication>
#include <QLocale>

#include "installer/archive/tovra_archive.h"
#include "installer/core/installer_flow.h"
#include "installer/lzh/extract.h"
#include "installer/app/qt_install_root.h"
#include "installer/app/qt_installer_ui.h"
#include "installer/app/system_version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using namespace installer;
    const SystemInfo system{ShellVersionFromEnvironment(), IsJapaneseLocale(QLocale::system().name().toStdString())};
    QtInstallRoot saved;
    QtInstallerUi ui;
    const InstallerContext context{system, saved, UserEnvironment::FromProcess(), [](const std::filesystem::path& to) {
                                       return lzh::ExtractArchive(TovraArchive(), to);
                                   }};
    return RunInstaller(ui, context);
}
