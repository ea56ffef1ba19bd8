#pragma once
// A club's logo placed over the worksheet's "TeamLogo" frame, at 97 % of the frame and centred.

#include <string>

#include "workbooks/ExcelProcs.h"

namespace quillbat {

// Logo files larger than this are not read.
inline constexpr long long kMaxLogoBytes = 1 << 20;

// Adds the picture over the range named "TeamLogo". "" or why it could not (no such range,
// a missing, oversized or unreadable picture: the sheet is then left as it was).
std::string InsertTeamLogo(ExcelWorksheet& sheet, const std::string& picturePath);

// Shrinks a picture that was added at the frame's whole width W and height H to 97 % with
// its aspect ratio kept, then centres it on the frame. Sizes in whole points.
std::string FitLogoInFrame(ExcelShape& picture, double frameWidth, double frameHeight);

}  // namespace quillbat
