#pragma once
// Picture files to the PNG bytes a workbook stores (GIF, PNG, JPEG and the other formats Qt
// reads).

#include <string>

namespace quillbat::xls {

struct PngImage {
    std::string bytes;
    int width = 0, height = 0;  // pixels
};

// Reads and converts the file. "" on success, else a message naming the file and the reason.
std::string LoadPictureAsPng(const std::string& path, PngImage& out);

}  // namespace quillbat::xls
