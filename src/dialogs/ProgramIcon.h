#pragma once
// The program's icon, drawn rather than loaded, so every size is sharp: a baseball and a
// scorekeeper's quill on a navy tile.

#include <QIcon>
#include <QImage>

namespace quillbat {

QImage PaintProgramIcon(int size);
// The icon at the usual sizes.
QIcon ProgramIcon();

}  // namespace quillbat
