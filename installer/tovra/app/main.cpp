// tovra: extracts LZH archives, and registers itself as the program that opens them.

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <string>
#include <vector>

#include "installer/core/system_info.h"
#include "installer/tovra/app/extraction_progress.h"
#include "installer/tovra/command_line.h"
#include "installer/tovra/registration.h"
#include "installer/tovra/tovra_texts.h"

namespace {

using namespace tovra;

void Show(const Text& text) {
    QMessageBox box(text.warning ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromStdString(text.caption), QString::fromStdString(text.message), QMessageBox::Ok);
    box.exec();
}

int Extract(const std::filesystem::path& archive, std::filesystem::path folder, bool japanese) {
    if (folder.empty()) folder = DefaultDestination(archive);
    ExtractionSummary summary = ExtractWithProgress(archive, folder, japanese);
    Show(ExtractionText(summary, folder, japanese));
    return static_cast<int>(summary.result);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tovra");
    const bool japanese = installer::IsJapaneseLocale(QLocale::system().name().toStdString());
    // File names arrive as the bytes the file system holds.
    std::vector<std::string> arguments(argv + 1, argv + argc);

    Command command = ParseCommandLine(arguments);
    if (auto* file = std::get_if<ExtractFile>(&command)) {
        return Extract(file->archive, file->folder, japanese);
    }
    if (std::holds_alternative<ChooseArchive>(command)) {
        QString chosen =
            QFileDialog::getOpenFileName(nullptr, QString::fromStdString(ChooseArchiveTitle(japanese)),
                                         QDir::homePath(), QString::fromStdString(ArchiveFilter(japanese)));
        if (chosen.isEmpty()) return 0;
        return Extract(chosen.toStdString(), {}, japanese);
    }
    if (auto* setup = std::get_if<Register>(&command)) {
        RegistrationResult result =
            RegisterForUser(XdgDirs::FromProcess(), QCoreApplication::applicationFilePath().toStdString(),
                            setup->desktopShortcut, RunToolIfPresent);
        // The installer proposes this folder the next time it runs.
        if (result.ok) {
            QSettings("Pellmar", "Tovra")
                .setValue("InstallRoot", QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
        }
        Show(RegistrationText(result, japanese));
        return result.ok ? 0 : 1;
    }
    Show(UsageText(japanese));
    return 2;
}
