#pragma once
// Opening documents and picking folders, with the messages the user sees when that fails.

#include <string>

#include "platform/Ui.h"

namespace quillbat {

// Opens the file with the desktop's program for its type, or says why it cannot.
void ViewFile(const std::string& path, Ui& ui);
// The folder the user picked, or "" when cancelled.
std::string BrowseForFolder(const std::string& title, const std::string& startFolder, Ui& ui);

}  // namespace quillbat
