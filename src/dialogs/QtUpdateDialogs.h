#pragma once
// The update check's dialogs as windows, shown modally over the active window.

#include "dialogs/AutoUpdateCheck.h"

namespace quillbat {

class QtUpdateDialogs : public UpdateDialogs {
public:
    void ShowNewVersionAvailable(UpdateState& state) override;
    void ShowVersionIsCurrent(UpdateState& state) override;
};

}  // namespace quillbat
