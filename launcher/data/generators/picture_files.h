#pragma once
// Writing the painted pictures: Windows bitmaps for the data folder, PNG (with transparency)
// for the pictures compiled into the launcher.

#include <QImage>
#include <filesystem>

namespace launcher_art {

// 24-bit BMP of the opaque picture; prints the reason and returns false on failure.
bool WriteBmp24(const std::filesystem::path& path, const QImage& image);
bool WritePng(const std::filesystem::path& path, const QImage& image);

}  // namespace launcher_art
