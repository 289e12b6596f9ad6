#include "installer/app/qt_installer_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "installer/app/installer_window.h"
#include "installer/app/qt_install_root.h"
#include "installer/app/system_version.h"
#include "installer/archive/tovra_archive.h"
#include "installer/core/installer_flow.h"
#include "installer/core/utility_start.h"
#include "installer/lzh/extract.h"
#include "common/testing/temp_dir.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

// Calls `act` on the first modal window of type W once it is up; the caller's modal loop
// keeps running meanwhile.
template <typename W>
void WhenModal(std::function<void(W*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* window = dynamic_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(window);
        }
    });
    timer->start(10);
}

TEST(QtInstallerUi, UtilityGetsItsArgumentsWholeFromAFolderWithSpaces) {
    test_support::TempDir temp;
    const fs::path folder = temp.path() / "My Programs/Tovra $HOME; echo x";
    fs::create_directories(folder);
    {
        std::ofstream script(folder / "tovra");
        script << "#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > \"$(dirname \"$0\")/args.tmp\"\n"
               << "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args\"\n";
    }
    fs::permissions(folder / "tovra", fs::perms::owner_all);

    QtInstallerUi ui;
    ui.StartProgram(UtilityStart(folder.string(), ShortcutChoice::Yes));
    const QString args = QString::fromStdString((folder / "args").string());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(args), 10000);
    QFile file(args);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), (folder / "tovra").string() + "|-s-|-l|");
}

TEST(QtInstallerUi, FolderChoosersOpenAtTheStartFolderWithTheirTitles) {
    test_support::TempDir temp;
    const fs::path start = temp.path() / "start here";
    fs::create_directories(start);
    QtInstallerUi ui;

    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Install to..");
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), start.string());
        dialog->reject();
    });
    EXPECT_EQ(ui.ChooseFolder({start.string(), "Install to..", false}), std::nullopt);

    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Destination");
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), start.string());
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept is protected
    });
    EXPECT_EQ(ui.ChooseFolder({start.string(), "Destination", true}), start.string() + "/");

    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), start.string());
        dialog->reject();
    });
    ui.ChooseFolder({(start / "not yet/Tovra").string(), "Install to..", false});
}

TEST(QtInstallerUi, MessageBoxHasNoOwnerAndOnlyOk) {
    struct Case {
        MessageIcon icon;
        QMessageBox::Icon shown;
    };
    for (const Case& c :
         {Case{MessageIcon::Information, QMessageBox::Information}, Case{MessageIcon::None, QMessageBox::NoIcon}}) {
        QtInstallerUi ui;
        bool seen = false;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            seen = true;
            EXPECT_EQ(box->windowTitle(), "CAUTION!");
            EXPECT_EQ(box->text(), "書込みエラー\nインストール先を確認してください。");
            EXPECT_EQ(box->icon(), c.shown);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box->parentWidget(), nullptr);
            box->accept();
        });
        ui.ShowMessage({"書込みエラー\nインストール先を確認してください。", "CAUTION!", c.icon});
        EXPECT_TRUE(seen);
    }
}

TEST(QtInstallerUi, UnwritableDestinationEndsWithTheWriteErrorBox) {
    test_support::TempDir temp;
    std::ofstream(temp.path() / "a file") << "in the way";
    const std::string destination = (temp.path() / "a file/Tovra").string();
    QtInstallerUi ui;
    QtInstallRoot saved;
    std::vector<std::string> boxes;

    WhenModal<InstallerWindow>([&](InstallerWindow* window) {
        window->FolderEdit()->setText(QString::fromStdString(destination));
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            boxes.push_back((box->windowTitle() + "|" + box->text()).toStdString());
            box->accept();
        });
        window->findChild<QPushButton*>("1")->click();
    });
    RunInstaller(ui, {{10 * 256, false}, saved, {"", temp.path().string()}, [](const fs::path& to) {
                          return lzh::ExtractArchive(TovraArchive(), to);
                      }});
    EXPECT_EQ(boxes, std::vector<std::string>{"CAUTION!|Write error\nCheck 'destination folder'."});
}

TEST(QtInstallRoot, ReadsTextOnly) {
    QSettings settings("Pellmar", "Tovra");
    settings.setValue("InstallRoot", "/srv/Tools/Tovra");
    EXPECT_EQ(QtInstallRoot().InstallRoot(), "/srv/Tools/Tovra");
    settings.setValue("InstallRoot", 42);
    EXPECT_EQ(QtInstallRoot().InstallRoot(), "");
    settings.remove("InstallRoot");
    EXPECT_EQ(QtInstallRoot().InstallRoot(), "");
}

TEST(ShellVersion, MajorDotMinorElseCurrent) {
    EXPECT_EQ(ParseShellVersion("3.10"), 3 * 256 + 10);
    EXPECT_EQ(ParseShellVersion("4.0"), 4 * 256);
    for (const char* bad : {"", "4", "x.1", "4.x", "4.0.1", "-1.0", "300.0"}) {
        EXPECT_EQ(ParseShellVersion(bad), kCurrentShellVersion) << bad;
    }
}

}  // namespace
}  // namespace installer
