// Writes the program's icon as PNG files in the freedesktop.org layout:
// DIR/hicolor/NxN/apps/quillbat.png.
#include <filesystem>
#include <iostream>
#include <string>

#include "dialogs/ProgramIcon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_icons DIR\n";
        return 2;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        std::string name = std::to_string(size) + "x" + std::to_string(size);
        std::filesystem::path folder = std::filesystem::path(argv[1]) / "hicolor" / name / "apps";
        std::filesystem::create_directories(folder);
        if (!quillbat::PaintProgramIcon(size).save(
                QString::fromStdString((folder / "quillbat.png").string()))) {
            std::cerr << "make_icons: cannot write " << (folder / "quillbat.png") << "\n";
            return 1;
        }
    }
    return 0;
}
