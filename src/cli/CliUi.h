#pragma once
// The command line's implementation of the user interface: each message box is one
// "TITLE: TEXT" line on standard error, answered from the command's options.

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace quillbat {

class CliUi : public Ui {
public:
    CliUi(std::ostream& err, bool verbose) : err_(err), verbose_(verbose) {}

    // The answer to give the question box with this title; unlisted questions are answered
    // No (or Cancel), so an unattended run never goes further than it was told to.
    void SetAnswer(const std::string& title, MsgAnswer answer) { answers_[title] = answer; }
    // How many message boxes of each icon were shown.
    int MessageCount(MsgIcon icon) const;

    void ShowStatus(const std::string& text) override;
    void SetBusy(bool) override {}
    void PumpEvents() override {}
    int OpenDocument(const std::string& pathOrUrl) override;
    std::string FindViewer(const std::string& path) override;
    std::string PickFolder(const std::string&, const std::string&) override { return ""; }

protected:
    MsgAnswer ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                          MsgButtons buttons) override;

private:
    std::ostream& err_;
    bool verbose_;
    std::map<std::string, MsgAnswer> answers_;
    std::map<MsgIcon, int> counts_;
};

// A message text on one line: every CR LF (or lone CR or LF) becomes a blank.
std::string OneLine(const std::string& text);

}  // namespace quillbat
