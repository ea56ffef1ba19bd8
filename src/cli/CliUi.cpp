#include "cli/CliUi.h"

#include "platform/DesktopShell.h"

namespace quillbat {

std::string OneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

int CliUi::MessageCount(MsgIcon icon) const {
    auto it = counts_.find(icon);
    return it == counts_.end() ? 0 : it->second;
}

void CliUi::ShowStatus(const std::string& text) {
    if (verbose_ && !text.empty()) err_ << "status: " << OneLine(text) << '\n';
}

int CliUi::OpenDocument(const std::string& pathOrUrl) { return DesktopOpen(pathOrUrl); }

std::string CliUi::FindViewer(const std::string& path) { return DesktopViewerFor(path); }

MsgAnswer CliUi::ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                             MsgButtons buttons) {
    ++counts_[icon];
    err_ << title << ": " << OneLine(text) << '\n';
    if (auto it = answers_.find(title); it != answers_.end()) return it->second;
    switch (buttons) {
        case MsgButtons::Ok: return MsgAnswer::Ok;
        case MsgButtons::OkCancel: return MsgAnswer::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgAnswer::No;
    }
    return MsgAnswer::Ok;
}

}  // namespace quillbat
