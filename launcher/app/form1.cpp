#include "launcher/app/form1.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolButton>
#include <cstdlib>

#include "launcher/app/launcher_fonts.h"
#include "launcher/app/qt_text.h"
#include "launcher/app/title_plate.h"
#include "launcher/core/data_files.h"
#include "launcher/core/description.h"
#include "launcher/core/messages.h"
#include "launcher/core/path_lookup.h"

namespace launcher {
namespace {

QColor ToQColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

// A picture from the data folder, or a null image when it is missing or unreadable.
QImage LoadDataPicture(const std::filesystem::path& launcherDir, std::string_view dataPath) {
    const std::optional<std::filesystem::path> path = FindFile(launcherDir, dataPath);
    return path ? QImage(QString::fromStdString(path->string())) : QImage();
}

struct ButtonDesign {
    const char* name;
    QRect geometry;
    const char* caption;
    const char* picture;
    QSize pictureSize;
    const char* toolTip;
};

// In tab order.
const ButtonDesign kButtons[] = {
    {"Command5", {240, 376, 65, 57}, "前 へ", ":/launcher/hand_left.png", {32, 32}, "前のゲームへ"},
    {"Command2", {312, 376, 65, 57}, "次 へ", ":/launcher/hand_right.png", {32, 32}, "次のゲームへ"},
    {"Command1", {384, 376, 65, 57}, "実　行", ":/launcher/shuttle.png", {34, 33}, "ゲームを実行します"},
    {"Command3", {456, 376, 65, 57}, "SETUP", ":/launcher/disc_into_drive.png", {36, 30}, "ゲームをインストールします"},
    {"Command4", {528, 376, 65, 57}, "終 了", ":/launcher/exit_sign.png", {36, 30}, "プログラムの終了"},
};

}  // namespace

Form1::Form1(std::filesystem::path launcherDir, LauncherServices services)
    : launcherDir_(std::move(launcherDir)),
      services_(std::move(services)),
      plateColor_(palette().color(QPalette::ButtonText)),
      drawing_(kClientWidth, kClientHeight, QImage::Format_ARGB32_Premultiplied) {
    drawing_.fill(Qt::transparent);
    setObjectName("Form1");
    setWindowTitle(ToQString(kDefaultCaption));
    // A fixed single border with only the close box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(WindowFont());
    QIcon icon;
    icon.addFile(":/launcher/disc_32.png", QSize(32, 32));
    icon.addFile(":/launcher/disc_16.png", QSize(16, 16));
    setWindowIcon(icon);
    BuildControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form1::BuildControls() {
    QToolButton* buttons[5] = {};
    for (int i = 0; i < 5; ++i) {
        const ButtonDesign& d = kButtons[i];
        auto* b = new QToolButton(this);
        b->setObjectName(d.name);
        b->setGeometry(d.geometry);
        b->setText(ToQString(d.caption));
        b->setIcon(QIcon(d.picture));
        b->setIconSize(d.pictureSize);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setToolTip(ToQString(d.toolTip));
        b->setFocusPolicy(Qt::StrongFocus);
        buttons[i] = b;
    }
    // The exit button's face is painted in the desktop's scroll-bar colour.
    QPalette exitPalette = buttons[4]->palette();
    exitPalette.setColor(QPalette::Button, QApplication::palette("QScrollBar").color(QPalette::Button));
    buttons[4]->setPalette(exitPalette);
    buttons[4]->setAutoFillBackground(true);
    connect(buttons[0], &QToolButton::clicked, this, &Form1::Command5_Click);
    connect(buttons[1], &QToolButton::clicked, this, &Form1::Command2_Click);
    connect(buttons[2], &QToolButton::clicked, this, &Form1::Command1_Click);
    connect(buttons[3], &QToolButton::clicked, this, &Form1::Command3_Click);
    connect(buttons[4], &QToolButton::clicked, this, &Form1::Command4_Click);

    Picture1_ = new QLabel(this);
    Picture1_->setObjectName("Picture1");
    Picture1_->setGeometry(8, 64, 192, 132);
    Picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Text1_ = new QPlainTextEdit(this);
    Text1_->setObjectName("Text1");
    Text1_->setGeometry(208, 64, 385, 297);
    Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The description is only shown, never saved: editing it would only mislead.
    Text1_->setReadOnly(true);
    Text1_->setToolTip(ToQString("説明などが表示されます"));
    QPalette textPalette = Text1_->palette();
    textPalette.setColor(QPalette::Base, Qt::white);
    Text1_->setPalette(textPalette);

    Label1_ = new QLabel(this);
    Label1_->setObjectName("Label1");
    Label1_->setFont(TitleFont());
    Label1_->setToolTip(ToQString("ゲーム名"));
    Label1_->setGeometry(8, 30, 20, 20);

    QWidget* order[] = {buttons[0], buttons[1], buttons[2], buttons[3], buttons[4], Picture1_, Text1_, Label1_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::ApplySettings(const LauncherSettings& s) {
    if (s.caption) setWindowTitle(QString::fromStdString(*s.caption));
    if (s.plateColor) plateColor_ = ToQColor(*s.plateColor);
    if (s.titleTextColor) {
        QPalette p = Label1_->palette();
        p.setColor(QPalette::WindowText, ToQColor(*s.titleTextColor));
        Label1_->setPalette(p);
    }
    QPalette p = Text1_->palette();
    if (s.descriptionBackColor) p.setColor(QPalette::Base, ToQColor(*s.descriptionBackColor));
    if (s.descriptionTextColor) p.setColor(QPalette::Text, ToQColor(*s.descriptionTextColor));
    Text1_->setPalette(p);
}

void Form1::SetGameList(const GameList& list) { list_ = list; }

void Form1::LoadBackground() {
    background_ = LoadDataPicture(launcherDir_, kBackgroundPicture);
    update();
}

void Form1::LoadEntryPicture() {
    // A missing or unreadable picture leaves the box empty, whenever it happens.
    const QImage picture = list_.count > 0 ? LoadDataPicture(launcherDir_, DataFile(list_.Current().pictureFile)) : QImage();
    Picture1_->setPixmap(QPixmap::fromImage(picture));
}

bool Form1::LoadEntryDescription() {
    if (list_.count == 0) {
        Text1_->clear();
        return true;
    }
    const std::optional<std::string> text = ReadDescription(launcherDir_, list_.Current());
    if (!text) return false;
    // The box breaks lines at LF; CR LF and a lone CR are the file's line breaks too.
    QString shown = QString::fromStdString(*text);
    shown.replace("\r\n", "\n").replace('\r', '\n');
    Text1_->setPlainText(shown);
    return true;
}

void Form1::ShowTitle() {
    Label1_->hide();
    Label1_->setGeometry(8, 30, 20, 20);
    if (list_.count == 0) return;  // nothing to name: no title and no plate
    Label1_->setText(" " + QString::fromStdString(list_.Current().title) + " ");
    Label1_->adjustSize();
    DrawTitlePlate(drawing_, Label1_->geometry(), plateColor_);
    Label1_->show();
    update();
}

void Form1::ShowEntry() {
    drawing_.fill(Qt::transparent);
    update();
    ShowTitle();
    LoadEntryPicture();
    if (!LoadEntryDescription()) {
        services_.showMessage(ToQString(kDescriptionMissing));
        services_.quit();
    }
}

void Form1::PlayClick(std::string_view soundFile) {
    if (const auto path = FindFile(launcherDir_, soundFile)) services_.playAndWait(*path);
}

void Form1::Start(std::string_view directory, std::string_view commandLine, std::string_view searchPath) {
    const auto planned = PlanLaunch(launcherDir_, directory, commandLine, searchPath);
    // A program that cannot start is reported and the launcher stays open for another choice.
    if (const auto* failure = std::get_if<LaunchFailure>(&planned)) {
        services_.showMessage(QString::fromStdString(LaunchFailureText(*failure)));
    } else if (!services_.startProcess(std::get<LaunchPlan>(planned))) {
        services_.showMessage(ToQString(kStartFailed));
    }
}

void Form1::Command5_Click() {
    StepPrevious(list_);
    PlayClick(kStepClickSound);
    ShowEntry();
}

void Form1::Command2_Click() {
    StepNext(list_);
    PlayClick(kStepClickSound);
    ShowEntry();
}

void Form1::Command1_Click() {
    PlayClick(kActionClickSound);
    if (list_.count == 0) return;
    const char* path = std::getenv("PATH");
    Start(list_.Current().directory, list_.Current().program, path ? path : "");
}

void Form1::Command3_Click() {
    PlayClick(kActionClickSound);
    // Only the collection's own set-up, never a program of that name elsewhere on the system.
    Start("", kSetupCommand, "");
}

void Form1::Command4_Click() {
    PlayClick(kActionClickSound);
    services_.quit();
}

void Form1::Form_Activate() { QDir::setCurrent(QString::fromStdString(launcherDir_.string())); }

bool Form1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!background_.isNull()) p.drawImage(0, 0, background_);
    p.drawImage(0, 0, drawing_);
}

}  // namespace launcher
