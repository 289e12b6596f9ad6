#include "pelta/view/field_image.h"

#include <gtest/gtest.h>

#include <QColor>
#include <set>

namespace pelta {
namespace {

constexpr int kCombo = 57;       // 39 × 10
constexpr int kStanding = 0;     // 114 × 65
constexpr int kWindup = 1;       // 85 × 65
constexpr int kSkyBlank = 69;    // 65 × 13

QRgb ToQRgb(Rgb c) { return qRgb(c.r, c.g, c.b); }

// Sky over ground, like the full redraw, so that blits have something to keep or replace.
void PaintScene(FieldImage& field) {
    field.FillRect(0, 0, kFieldWidth, 125, kSkyColour);
    field.FillRect(0, 125, kFieldWidth, kFieldHeight, kGroundColour);
}

TEST(FieldImagePictures, EveryPictureLoadsInItsSizeAndOnlyWindowsColours) {
    const std::set<QRgb> palette{
        qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0),
        qRgb(0, 0, 128), qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
        qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    const FieldImage field;
    for (int i = 0; i < kPictureCount; ++i) {
        SCOPED_TRACE(i);
        const QImage& picture = field.Picture(i);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), kPictureTable[i].width);
        EXPECT_EQ(picture.height(), kPictureTable[i].height);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ASSERT_TRUE(palette.count(picture.pixel(x, y) | 0xff000000u)) << x << "," << y;
    }
}

// Nothing is transparent, so a picture's edge must match what the scene has behind it there.
TEST(FieldImagePictures, FiguresStandOnTheSceneBehindThem) {
    const FieldImage field;
    for (int sprite : {0, 1, 11, 12, 13, 17, 20, 30, 34}) {
        SCOPED_TRACE(sprite);
        const QImage& picture = field.Picture(sprite);
        EXPECT_EQ(picture.pixel(0, 0), ToQRgb(kSkyColour) | 0xff000000u);
        EXPECT_EQ(picture.pixel(0, 49), ToQRgb(kSkyColour) | 0xff000000u);  // field row 124
        EXPECT_EQ(picture.pixel(0, 50), ToQRgb(kGroundColour) | 0xff000000u);
        EXPECT_EQ(picture.pixel(0, 64), ToQRgb(kGroundColour) | 0xff000000u);
    }
    EXPECT_EQ(field.Picture(26).pixel(8, 11), ToQRgb(kGroundColour) | 0xff000000u);
    EXPECT_EQ(field.Picture(22).pixel(3, 3), ToQRgb(kSkyColour) | 0xff000000u);
    EXPECT_EQ(field.Picture(kSkyBlank).pixel(30, 6), ToQRgb(kSkyColour) | 0xff000000u);
}

TEST(FieldImageBlit, AreaWiderThanThePictureLeavesTheRestAsItWas) {
    FieldImage field;
    PaintScene(field);
    field.FillRect(95, 80, 124, 90, Rgb{255, 0, 0});  // what the standing pitcher would leave
    field.Blit(kWindup, 10, 75, 114, 65);
    const QImage& image = field.Image();
    EXPECT_EQ(image.copy(10, 75, 85, 65), field.Picture(kWindup).convertToFormat(image.format()));
    EXPECT_EQ(image.pixel(95, 80), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(123, 89), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 130), ToQRgb(kGroundColour));
}

TEST(FieldImageBlit, ClipsAtTheFieldEdges) {
    struct Case {
        const char* what;
        int sprite, x, y, w, h;
        QRect expected;  // the part of the field the picture lands on
    };
    const Case cases[] = {
        {"combo label area past the right edge", kCombo, 586, 33, 65, 13, QRect(586, 33, 39, 10)},
        {"picture past the right edge", kStanding, 600, 75, 114, 65, QRect(600, 75, 40, 65)},
        {"grass left of the field", 23, -15, 140, 80, 20, QRect(0, 140, 65, 20)},
        {"picture past the bottom", kStanding, 10, 180, 114, 65, QRect(10, 180, 114, 20)},
        {"picture above the top", 21, 50, -3, 6, 6, QRect(50, 0, 6, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FieldImage field;
        PaintScene(field);
        const QImage before = field.Image().copy();
        field.Blit(c.sprite, c.x, c.y, c.w, c.h);
        const QImage& after = field.Image();
        const QImage picture = field.Picture(c.sprite).convertToFormat(after.format());
        for (int y = 0; y < kFieldHeight; ++y) {
            for (int x = 0; x < kFieldWidth; ++x) {
                const QRgb want = c.expected.contains(x, y) ? picture.pixel(x - c.x, y - c.y) : before.pixel(x, y);
                ASSERT_EQ(after.pixel(x, y), want) << x << "," << y;
            }
        }
    }
}

TEST(FieldImage, UnknownPicturesAndEmptyAreasDrawNothing) {
    FieldImage field;
    PaintScene(field);
    const QImage before = field.Image().copy();
    field.Blit(-1, 0, 0, 10, 10);
    field.Blit(kPictureCount, 0, 0, 10, 10);
    field.Blit(kStanding, 100, 100, -20, 10);
    field.Blit(kStanding, 100, 100, 10, -20);
    field.Blit(kStanding, 100, 100, 0, 10);
    field.FillRect(100, 100, 90, 110, Rgb{255, 0, 0});
    field.FillRect(100, 100, 110, 100, Rgb{255, 0, 0});
    EXPECT_EQ(field.Image(), before);
}

TEST(FieldImageFillRect, FillsHalfOpenRectangleClipped) {
    FieldImage field;
    PaintScene(field);
    field.FillRect(630, 190, 700, 250, Rgb{0, 0, 255});
    const QImage& image = field.Image();
    EXPECT_EQ(image.pixel(630, 190), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(639, 199), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(629, 190), ToQRgb(kGroundColour));
    EXPECT_EQ(image.pixel(0, 124), ToQRgb(kSkyColour));
    EXPECT_EQ(image.pixel(0, 125), ToQRgb(kGroundColour));
}

TEST(FieldImageText, OpaqueLineInTextAndBackgroundColoursOnly) {
    FieldImage field;
    field.FillRect(0, 0, kFieldWidth, kFieldHeight, Rgb{255, 0, 0});
    field.Text(5, 165, "Any key または ﾏｳｽｸﾘｯｸ でｽﾀｰﾄ!!", kCaptionColour, kGroundColour);
    const QImage& image = field.Image();
    int text = 0, background = 0;
    for (int y = 165; y < 179; ++y) {
        for (int x = 5; x < 120; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == ToQRgb(kCaptionColour) || pixel == ToQRgb(kGroundColour)) << x << "," << y;
            (pixel == ToQRgb(kCaptionColour) ? text : background) += 1;
        }
    }
    EXPECT_GT(text, 100);
    EXPECT_GT(background, text);
    // Nothing left of or above the line is touched.
    EXPECT_EQ(image.pixel(4, 170), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(50, 164), qRgb(255, 0, 0));
}

TEST(FieldImageText, FullWidthSpacesClearTheCaptionLine) {
    FieldImage field;
    field.FillRect(0, 0, kFieldWidth, kFieldHeight, kGroundColour);
    field.Text(5, 165, "ｽﾄﾚｰﾄ", kCaptionColour, kGroundColour);
    std::string blanks;
    for (int i = 0; i < 47; ++i) blanks += "\u3000";
    field.Text(5, 165, blanks, kCaptionColour, kGroundColour);
    for (int y = 160; y < kFieldHeight; ++y)
        for (int x = 0; x < kFieldWidth; ++x) ASSERT_EQ(field.Image().pixel(x, y), ToQRgb(kGroundColour)) << x << "," << y;
}

TEST(FieldImage, SavesPng) {
    FieldImage field;
    PaintScene(field);
    const QString path = QStringLiteral("field_image_test.png");
    ASSERT_TRUE(field.SavePng(path));
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), field.Image());
}

}  // namespace
}  // namespace pelta
