#include "platform/Shell.h"

#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"

namespace quillbat {

void ViewFile(const std::string& path, Ui& ui) {
    if (!FileExists(path)) {
        ui.Message(MsgIcon::Exclamation, "Oops", "Could not locate file " + path);
        return;
    }
    if (ui.FindViewer(path).empty()) {
        ui.Message(MsgIcon::Exclamation, "Oops",
                   "There is no viewer currently installed for files of type " +
                       GetFileExtensionUpper(path) + " - file can not be viewed.");
        return;
    }
    if (int error = ui.OpenDocument(path); error != 0) {
        ui.Message(MsgIcon::Exclamation, "Oops",
                   "Error " + std::to_string(error) + " encountered when attempting to open " + path);
    }
}

std::string BrowseForFolder(const std::string& title, const std::string& startFolder, Ui& ui) {
    return ui.PickFolder(title, startFolder);
}

}  // namespace quillbat
