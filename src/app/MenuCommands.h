#pragma once
// The main window's menu entries that open the program's own documents.

#include "app/AppContext.h"

namespace quillbat {

void ShowReadMe(AppContext& ctx);
void ShowReleaseNotes(AppContext& ctx);
// Opens every example workbook of the program's Examples folder.
void ViewExampleOutput(AppContext& ctx);
// Opens the output folder in the desktop's file manager.
void OpenOutputFolder(AppContext& ctx);

}  // namespace quillbat
