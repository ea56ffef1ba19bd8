#include "dialogs/SystemInfo.h"

#include "platform/Process.h"

namespace quillbat {

std::string FindSystemInfoProgram() {
    for (const char* program : {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"})
        if (std::string path = FindOnPath(program); !path.empty()) return path;
    return "";
}

void StartSysInfo(Ui& ui) {
    std::string program = FindSystemInfoProgram();
    if (program.empty() || StartDetached({program}) != 0)
        ui.Message(MsgIcon::None, "", "System Information Is Unavailable At This Time");
}

}  // namespace quillbat
