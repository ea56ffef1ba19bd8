#pragma once
// The one interface through which the core reaches the user. The window, the command line
// and the tests each provide an implementation.

#include <string>

namespace quillbat {

enum class MsgIcon { None, Exclamation, Critical, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

inline constexpr const char* kAppTitle = "Quillbat";

class Ui {
public:
    virtual ~Ui() = default;

    // Replaces the status text and lets pending window events run once.
    virtual void ShowStatus(const std::string& text) = 0;

    // A modal message box. A blank title shows the application title. Once a stop is
    // requested nothing is shown and the answer is No for a question, else Cancel.
    MsgAnswer Message(MsgIcon icon, const std::string& title, const std::string& text,
                      MsgButtons buttons = MsgButtons::Ok);

    // Busy pointer on or off; calls are kept balanced by BusyPointer below.
    virtual void SetBusy(bool busy) = 0;
    // One pass of the event pump.
    virtual void PumpEvents() = 0;
    // Opens a document or URL with the desktop's program for it; 0 on success, else an error number.
    virtual int OpenDocument(const std::string& pathOrUrl) = 0;
    // The program that would open the document, or "" when the desktop has none.
    virtual std::string FindViewer(const std::string& path) = 0;
    // A folder chosen by the user, or "" when cancelled.
    virtual std::string PickFolder(const std::string& title, const std::string& startFolder) = 0;

    // Asks the work under way to stop at once, because the program is closing: downloads end
    // where they are, a Create runs no further stage, and no more message boxes are shown.
    void RequestStop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

protected:
    virtual MsgAnswer ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                                  MsgButtons buttons) = 0;

private:
    bool stopRequested_ = false;
};

// Shows the busy pointer for the lifetime of the object.
class BusyPointer {
public:
    explicit BusyPointer(Ui& ui) : ui_(ui) { ui_.SetBusy(true); }
    ~BusyPointer() { ui_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Ui& ui_;
};

}  // namespace quillbat
