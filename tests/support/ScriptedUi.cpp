#include "ScriptedUi.h"

#include "platform/TextFunctions.h"

namespace quillbat::testing {

void ScriptedUi::ShowStatus(const std::string& text) {
    statuses.push_back(text);
    ++pumps;
}

int ScriptedUi::OpenDocument(const std::string& pathOrUrl) {
    opened.push_back(pathOrUrl);
    return openResult_;
}

std::string ScriptedUi::FindViewer(const std::string& path) {
    auto it = viewers_.find(ToLower(GetFileExtension(path)));
    return it == viewers_.end() ? "" : it->second;
}

std::string ScriptedUi::PickFolder(const std::string& title, const std::string&) {
    pickTitles.push_back(title);
    return pickedFolder_;
}

std::vector<std::string> ScriptedUi::MessageLines() const {
    std::vector<std::string> lines;
    for (const ShownMessage& m : messages) lines.push_back(m.title + ": " + m.text);
    return lines;
}

MsgAnswer ScriptedUi::ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                                  MsgButtons buttons) {
    messages.push_back({icon, title, text, buttons});
    if (answers_.empty()) return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    MsgAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace quillbat::testing
