#pragma once
// The window's implementation of the user interface: Qt message boxes, the wait cursor,
// the event pump and the desktop's file associations.

#include <functional>

#include "platform/Ui.h"

class QWidget;

namespace quillbat {

class QtUi : public Ui {
public:
    // statusSink shows a status text in the main window.
    explicit QtUi(std::function<void(const std::string&)> statusSink = {});
    void SetStatusSink(std::function<void(const std::string&)> sink) { statusSink_ = std::move(sink); }

    void ShowStatus(const std::string& text) override;
    void SetBusy(bool busy) override;
    void PumpEvents() override;
    int OpenDocument(const std::string& pathOrUrl) override;
    std::string FindViewer(const std::string& path) override;
    std::string PickFolder(const std::string& title, const std::string& startFolder) override;

protected:
    MsgAnswer ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                          MsgButtons buttons) override;

private:
    std::function<void(const std::string&)> statusSink_;
    int busyDepth_ = 0;
};

}  // namespace quillbat
