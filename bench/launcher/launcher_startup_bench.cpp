// Measures the launcher's start-up as the program runs it: the splash, the support-file copy,
// the single-instance check, reading the game list, settings, pictures and description, and
// the main window shown and exposed. The first run includes creating the application (fonts,
// platform plug-in); the later runs show what the start-up itself costs.
#include <QApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "launcher/app/form_load.h"
#include "tools/command-line/command_line.h"

namespace {

// Milliseconds from the process's start (as the kernel counts it, in clock ticks) to now.
double MillisecondsSinceExec() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return (now.tv_sec + now.tv_nsec / 1e9 - started) * 1000.0;
}

// One start-up to the exposed main window, in milliseconds; negative when it ended early.
double StartOnce(const std::filesystem::path& collection, const QString& lockPath, const QString& userLib) {
    QElapsedTimer timer;
    timer.start();
    launcher::LauncherServices services;
    services.playAndWait = [](const std::filesystem::path&) {};
    services.startProcess = [](const launcher::LaunchPlan&) { return true; };
    services.showMessage = [](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); };
    services.quit = [] {};
    QLockFile lock(lockPath);
    auto form = launcher::Form_Load({collection, userLib.toStdString()}, services, lock);
    if (!form) return -1;
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return -1;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const double toMain = MillisecondsSinceExec();
    QElapsedTimer sinceMain;
    sinceMain.start();
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "[COLLECTION_DIR] [RUNS]\nStarts the launcher's main window RUNS times (default 20) from the collection\n"
        "folder (default: the staged one) and reports the first start and the median of the others.",
        0, 2);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double applicationMs = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    const std::filesystem::path collection = args.empty() ? STAGED_COLLECTION : args[0];
    const int runs = args.size() > 1 ? std::max(2, std::atoi(args[1].c_str())) : 20;
    QTemporaryDir scratch;
    const QString lockPath = scratch.filePath("launcher.lock");
    const QString userLib = scratch.filePath("lib");

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = StartOnce(collection, lockPath, userLib);
        if (ms < 0) {
            std::fprintf(stderr, "start-up ended early in %s\n", collection.c_str());
            return 1;
        }
        times.push_back(ms);
    }
    const double first = times.front();
    std::vector<double> later(times.begin() + 1, times.end());
    std::ranges::sort(later);
    std::printf("exec to main:                 %6.1f ms (10 ms resolution)\n", toMain);
    std::printf("application created:          %6.1f ms\n", applicationMs);
    std::printf("first start-up to the window: %6.1f ms\n", first);
    std::printf("  process start to window:    %6.1f ms\n", toMain + applicationMs + first);
    std::printf("later start-ups (%d): median %.1f ms, min %.1f, max %.1f\n", runs - 1, later[later.size() / 2],
                later.front(), later.back());
    return 0;
}
