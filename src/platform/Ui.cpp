#include "platform/Ui.h"

#include "platform/TextFunctions.h"

namespace quillbat {

MsgAnswer Ui::Message(MsgIcon icon, const std::string& title, const std::string& text, MsgButtons buttons) {
    if (stopRequested_) return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
    return ShowMessage(icon, IsBlank(title) ? std::string(kAppTitle) : title, text, buttons);
}

}  // namespace quillbat
