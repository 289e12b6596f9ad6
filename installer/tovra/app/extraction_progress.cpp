#include "installer/tovra/app/extraction_progress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QString>
#include <thread>

#include "installer/tovra/tovra_texts.h"

namespace tovra {

ExtractionSummary ExtractWithProgress(const std::filesystem::path& archive, const std::filesystem::path& destination,
                                      bool japanese) {
    QProgressDialog progress;
    progress.setWindowTitle(kCaption);
    progress.setLabelText(QString::fromStdString(archive.filename().string()));
    progress.setCancelButton(nullptr);  // the archive reader cannot stop halfway
    progress.setRange(0, 0);            // the member count is not known in advance
    progress.setMinimumDuration(500);
    progress.setMinimumWidth(360);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);  // starts the clock after which the window shows itself

    QEventLoop loop;
    ExtractionSummary summary;
    std::thread worker([&] {
        summary = ExtractArchiveFile(archive, destination, [&](const lzh::MemberReport& member) {
            QString label = QString::fromStdString(ProgressLabel(member.name, japanese));
            QMetaObject::invokeMethod(
                &progress, [&progress, label] { progress.setLabelText(label); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    return summary;
}

}  // namespace tovra
