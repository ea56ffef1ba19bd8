#pragma once
// The System Info button: the desktop's system-information program.

#include <string>

#include "platform/Ui.h"

namespace quillbat {

// The first system-information program found on PATH, or "".
std::string FindSystemInfoProgram();
// Starts it, or says that there is none.
void StartSysInfo(Ui& ui);

}  // namespace quillbat
