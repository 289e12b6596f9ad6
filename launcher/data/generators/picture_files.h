#pragma once
// Writing the painted pictures: Windows bitmaps for the data folder, PNG (with transparency)
// for the pictures compiled into the launcher.

#include <QImage>
#include <filesystem>
#include <string>

namespace launcher_art {

// 24-bit BMP of the opaque picture; prints the reason and returns false on failure.
bool WriteBmp24(const std::filesystem::path& path, const QImage& image);
bool WritePng(const std::filesystem::path& path, const QImage& image);

// The launcher's picture box, and a picture of its size filled with the window's navy.
constexpr int kPictureWidth = 192, kPictureHeight = 132;
QImage BlankPicture();

// A screenshot to make a picture from; prints the reason and returns a null image on failure.
QImage ReadScreenshot(const std::string& path);

}  // namespace launcher_art
