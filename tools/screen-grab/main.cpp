// screen-grab OUTPUT.png: saves what the X display in $DISPLAY shows (an Xvfb screen with the
// program under test), for looking at windows that other processes opened.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    // The command line is read before the display is opened, so --help works without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription("Saves the whole screen of the display in $DISPLAY as a PNG.");
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument("output", "The PNG file to write.");
    const bool parsed = parser.parse(arguments);
    // Without an application object the parser cannot know the program's name.
    const QString usage = parser.helpText().replace("<executable_name>", "screen-grab");
    if (parsed && parser.isSet(help)) {
        std::printf("%s", qPrintable(usage));
        return 0;
    }
    if (!parsed || parser.positionalArguments().size() != 1) {
        if (!parsed) std::fprintf(stderr, "screen-grab: %s\n", qPrintable(parser.errorText()));
        std::fprintf(stderr, "%s", qPrintable(usage));
        return 2;
    }
    const QString output = parser.positionalArguments().first();

    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
    if (shot.isNull() || !shot.save(output, "PNG")) {
        std::fprintf(stderr, "screen-grab: cannot grab the screen or write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
