#pragma once
// The GRAFIK field of a formula record: a picture file in the folder Grafik,
// optionally followed by its place, "name#left#top".
#include <filesystem>
#include <string>
#include <string_view>

namespace quillmar::collection {

struct PicturePlacement {
    std::string fileName; // as written, without the .bmp default
    int left = -1;        // pixels; -1: automatic
    int top = -1;
};

// Splits GRAFIK. Positions are read only when the text holds two '#'; a left
// position that is not an integer leaves both automatic, a top position that is
// not an integer leaves only the top automatic.
PicturePlacement splitPictureField(std::string_view grafik);

// A file name without '.' gets the extension ".bmp".
std::string pictureFileName(std::string_view fileName);

// prefix/Grafik/<name, with the .bmp default>, matched without regard to case.
std::filesystem::path picturePath(const std::filesystem::path& prefix, std::string_view fileName);

} // namespace quillmar::collection
