#include "app/MenuCommands.h"

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace quillbat {

namespace {

void ShowProgramDocument(AppContext& ctx, const char* name, const char* missingText) {
    std::string file = JoinPath(ctx.settings.programFolder, name);
    if (FileExists(file))
        ViewFile(file, ctx.ui);
    else
        ctx.ui.Message(MsgIcon::Exclamation, "Error", missingText);
}

}  // namespace

void ShowReadMe(AppContext& ctx) { ShowProgramDocument(ctx, "Readme.txt", "Could not locate ReadMe file!"); }

void ShowReleaseNotes(AppContext& ctx) {
    ShowProgramDocument(ctx, "ReleaseNotes.txt", "Could not locate Release Notes file!");
}

void ViewExampleOutput(AppContext& ctx) {
    std::string folder = JoinPath(ctx.settings.programFolder, "Examples");
    if (!FolderExists(folder)) {
        ctx.ui.Message(MsgIcon::Exclamation, "Error", "Could not locate Examples sub-directory!");
        return;
    }
    auto files = ListFiles(JoinPath(folder, "*.xls"), false);
    if (files.empty()) {
        ctx.ui.Message(MsgIcon::Exclamation, "Error", "Could not locate the example files!");
        return;
    }
    for (const auto& name : files) ViewFile(JoinPath(folder, name), ctx.ui);
}

void OpenOutputFolder(AppContext& ctx) {
    const std::string& folder = ctx.settings.outputDir;
    if (!FolderExists(folder)) {
        ctx.ui.Message(MsgIcon::Exclamation, "Error", "Could not locate the output folder " + folder);
        return;
    }
    if (int error = ctx.ui.OpenDocument(folder); error != 0) {
        ctx.ui.Message(MsgIcon::Exclamation, "Oops",
                       "Error " + std::to_string(error) + " encountered when attempting to open " + folder);
    }
}

}  // namespace quillbat
