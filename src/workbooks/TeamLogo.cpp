#include "workbooks/TeamLogo.h"

#include <cmath>
#include <filesystem>

namespace quillbat {

namespace {

constexpr double kLogoShare = 0.97;

// Whole points, halves to the even neighbour.
double WholePoints(double points) { return std::nearbyint(points); }

std::string CheckLogoFile(const std::string& path) {
    std::error_code error;
    auto bytes = std::filesystem::file_size(path, error);
    if (error) return "The logo file can not be read: " + path;
    if (bytes > static_cast<uintmax_t>(kMaxLogoBytes)) return "The logo file is too large: " + path;
    return "";
}

}  // namespace

std::string FitLogoInFrame(ExcelShape& picture, double frameWidth, double frameHeight) {
    picture.Select();
    picture.SetLockAspectRatio(true);
    double width = WholePoints(picture.Width()), height = WholePoints(picture.Height());
    std::string error;
    // With the aspect ratio locked, each setting scales the other side too.
    if (width <= height) {
        error = picture.SetHeight(kLogoShare * frameHeight);
        if (error.empty() && width > frameWidth) error = picture.SetWidth(kLogoShare * frameWidth);
    } else {
        error = picture.SetWidth(kLogoShare * frameWidth);
        if (error.empty() && height > frameHeight) error = picture.SetHeight(kLogoShare * frameHeight);
    }
    if (!error.empty()) return error;
    width = WholePoints(picture.Width());
    height = WholePoints(picture.Height());
    double left = WholePoints(picture.Left()), top = WholePoints(picture.Top());
    error = picture.SetLeft((frameWidth - width) / 2 + left);
    return error.empty() ? picture.SetTop((frameHeight - height) / 2 + top) : error;
}

std::string InsertTeamLogo(ExcelWorksheet& sheet, const std::string& picturePath) {
    ExcelRange frame;
    std::string error = sheet.Range("TeamLogo", frame);
    if (error.empty()) error = CheckLogoFile(picturePath);
    if (!error.empty()) return error;
    double height = WholePoints(frame.Height()), width = WholePoints(frame.Width());
    float left = static_cast<float>(frame.Left()), top = static_cast<float>(frame.Top());
    ExcelShape picture;
    error = sheet.AddPicture(picturePath, false, true, left, top, width, height, picture);
    return error.empty() ? FitLogoInFrame(picture, width, height) : error;
}

}  // namespace quillbat
