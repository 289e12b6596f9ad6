// pelta_contact_sheet <output folder>
// Writes pictures.png (all 76 at 4x, with index and resource id), field-pitch.png and
// field-swing.png (a composed field at 2x), pitcher-strip.png and batter-strip.png (the
// animation frames as they land on the field, side by side at 4x).

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "tools/command-line/command_line.h"
#include "pelta/view/field_image.h"

namespace {

using pelta::FieldImage;

constexpr QRect kPitcherArea{10, 75, 114, 65};
constexpr QRect kBatterArea{550, 75, 70, 65};

QImage Scaled(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage ContactSheet(const FieldImage& field) {
    constexpr int kScale = 4, kColumns = 8, kCellW = 114 * kScale + 16, kCellH = 65 * kScale + 40;
    const int rows = (pelta::kPictureCount + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kCellW, rows * kCellH, QImage::Format_RGB32);
    sheet.fill(QColor(64, 64, 64));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    for (int i = 0; i < pelta::kPictureCount; ++i) {
        const QPoint cell((i % kColumns) * kCellW + 8, (i / kColumns) * kCellH + 8);
        const auto& entry = pelta::kPictureTable[i];
        painter.drawText(cell + QPoint(0, 14), QStringLiteral("#%1  id %2  %3x%4")
                                                   .arg(i).arg(entry.resourceId).arg(entry.width).arg(entry.height));
        painter.drawImage(cell + QPoint(0, 24), Scaled(field.Picture(i), kScale));
    }
    return sheet;
}

// The full redraw of the field with the given figures, lives 7 and score 12345.
void PaintScene(FieldImage& field, int pitcher, int batter) {
    field.FillRect(0, 0, 640, 125, pelta::kSkyColour);
    field.FillRect(0, 125, 640, 200, pelta::kGroundColour);
    for (QPoint p : {QPoint(-15, 140), QPoint(200, 145), QPoint(400, 130)}) field.Blit(23, p.x(), p.y(), 80, 20);
    field.Blit(25, 20, 5, 48, 48);
    for (QPoint p : {QPoint(190, 10), QPoint(100, 30), QPoint(450, 40)}) field.Blit(24, p.x(), p.y(), 80, 40);
    field.Blit(pitcher, kPitcherArea.x(), kPitcherArea.y(), 114, 65);
    field.Blit(batter, kBatterArea.x(), kBatterArea.y(), 70, 65);
    const int lives = 7;
    for (int i = 0; i < 6; ++i) {
        const int icon = lives >= 12 - 2 * i ? 27 : lives == 11 - 2 * i ? 28 : 26;
        field.Blit(icon, 510 + 18 * i, 150, 17, 23);
    }
    field.Blit(73, 375, 6, 83, 10);
    field.Blit(71, 475, 6, 32, 10);
    const char* score = "0012345";
    for (int i = 0; i < 7; ++i) field.Blit(35 + (score[i] - '0'), 515 + 16 * i, 5, 15, 22);
    field.Text(5, 165, "ｽﾄﾚｰﾄ  ストレート (速球) Any key または ﾏｳｽｸﾘｯｸ でｽﾀｰﾄ!!", pelta::kCaptionColour,
               pelta::kGroundColour);
}

void ComboAndPoints(FieldImage& field) {
    field.Blit(57, 586, 33, 65, 13);                 // Combo
    field.Blit(59 + 2, 568, 33, 7, 10);              // 2
    field.Blit(59 + 3, 576, 33, 7, 10);              // 3
    field.Blit(58, 594, 63, 7, 10);                  // +
    for (int i = 0; i < 3; ++i) field.Blit(59 + 1 + i, 602 + 8 * i, 63, 7, 10);
}

// Each frame as it lands on the field over the previous one, side by side.
QImage Strip(FieldImage& field, QRect area, std::initializer_list<int> frames) {
    constexpr int kScale = 4;
    QImage strip(static_cast<int>(frames.size()) * (area.width() * kScale + 8), area.height() * kScale,
                 QImage::Format_RGB32);
    strip.fill(QColor(64, 64, 64));
    QPainter painter(&strip);
    int column = 0;
    for (int frame : frames) {
        field.Blit(frame, area.x(), area.y(), area.width(), area.height());
        painter.drawImage(column * (area.width() * kScale + 8), 0, Scaled(field.Image().copy(area), kScale));
        ++column;
    }
    return strip;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = tool::PositionalArguments(
        argc, argv,
        "OUTPUT_FOLDER\n"
        "Writes the batting game's pictures for review: a 4x contact sheet, test fields at 2x\n"
        "and the animation strips of both figures, as PNG files.",
        1, 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromStdString(args[0]));
    FieldImage field;
    bool ok = Save(ContactSheet(field), out.filePath("pictures.png"));

    PaintScene(field, 10, 14);
    field.Blit(21, 100, 100, 6, 6);
    ok = Save(Scaled(field.Image(), 2), out.filePath("field-pitch.png")) && ok;

    PaintScene(field, 11, 17);
    field.Blit(21, 580, 100, 6, 6);
    field.Blit(45, 560, 48, 65, 13);
    ComboAndPoints(field);
    ok = Save(Scaled(field.Image(), 2), out.filePath("field-swing.png")) && ok;

    PaintScene(field, 0, 13);
    ok = Save(Strip(field, kPitcherArea, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 30, 0, 12}),
              out.filePath("pitcher-strip.png")) && ok;
    ok = Save(Strip(field, kBatterArea, {13, 14, 15, 16, 17, 18, 19, 29, 31, 32, 33, 34, 20}),
              out.filePath("batter-strip.png")) && ok;
    return ok ? 0 : 1;
}
