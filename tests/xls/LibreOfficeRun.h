#pragma once
// Running a headless LibreOffice: a private profile below the test's folder, results in its
// "out" folder, under a time limit.

#include <map>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace quillbat::testing {

bool HasLibreOffice();
// True when LibreOffice ran to the end in time.
bool ConvertWithLibreOffice(const TempFolder& folder, const std::string& format,
                            const std::vector<std::string>& files);

// LibreOffice opens `source`, deletes the cells of `edit` moving those below up when it is
// not empty ("A5:F5" on the first sheet), recalculates, and writes to `target` what it shows:
// per sheet, each row ("row 8 1270" with its height in 1/100 mm when it is not fitted to its
// cells, "hidden"), each cell ("$Card.$C$2 =B2*2 | 40", with " bg FFFF00" for a fill) and each
// shape ("shape x y width height", in 1/100 mm, then "at" the cell it is anchored to with that
// cell's box, then "picture 48x24" with its size in pixels or "empty" for a picture frame).
// A file it cannot open gives "error ...".
struct LibreOfficeJob {
    std::string source, edit, target;
};
// One LibreOffice run for all the jobs; true when it ran to the end in time.
bool RunLibreOfficeJobs(const TempFolder& folder, const std::vector<LibreOfficeJob>& jobs);

// A shape line of that output.
struct ShownShape {
    long x = 0, y = 0, width = 0, height = 0;
    std::string cell;  // "" when it is not anchored to a cell
    long cellX = 0, cellY = 0, cellWidth = 0, cellHeight = 0;
    std::string picture;  // "48x24", "empty", or "" for other shapes
};
ShownShape ParseShownShape(const std::string& line);

// The cell lines of that output by cell ("B5", the first sheet's where sheets share one): the
// text shown and the fill ("" for none).
struct ShownCell {
    std::string text, fill;
};
std::map<std::string, ShownCell> ShownCells(const std::string& output);

}  // namespace quillbat::testing
