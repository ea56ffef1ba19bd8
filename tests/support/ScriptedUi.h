#pragma once
// A user interface for tests: records every call and gives scripted answers.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace quillbat::testing {

struct ShownMessage {
    MsgIcon icon;
    std::string title;
    std::string text;
    MsgButtons buttons;
};

class ScriptedUi : public Ui {
public:
    // Answers are taken in order; when none is left, Ok-only boxes answer Ok and questions No.
    void QueueAnswer(MsgAnswer answer) { answers_.push_back(answer); }
    // The viewer FindViewer reports for a file extension (lower case, without the dot).
    void SetViewer(const std::string& extension, const std::string& viewer) { viewers_[extension] = viewer; }
    void SetOpenResult(int result) { openResult_ = result; }
    void SetPickedFolder(const std::string& folder) { pickedFolder_ = folder; }

    std::vector<ShownMessage> messages;
    std::vector<std::string> statuses;
    std::vector<std::string> opened;
    std::vector<bool> busyCalls;
    int pumps = 0;
    std::vector<std::string> pickTitles;
    // Each message as "TITLE: TEXT", in the order shown.
    std::vector<std::string> MessageLines() const;

    void ShowStatus(const std::string& text) override;
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    void PumpEvents() override { ++pumps; }
    int OpenDocument(const std::string& pathOrUrl) override;
    std::string FindViewer(const std::string& path) override;
    std::string PickFolder(const std::string& title, const std::string& startFolder) override;

protected:
    MsgAnswer ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                          MsgButtons buttons) override;

private:
    std::deque<MsgAnswer> answers_;
    std::map<std::string, std::string> viewers_;
    int openResult_ = 0;
    std::string pickedFolder_;
};

}  // namespace quillbat::testing
