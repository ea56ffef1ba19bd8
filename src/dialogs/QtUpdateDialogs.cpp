#include "dialogs/QtUpdateDialogs.h"

#include <QApplication>

#include "dialogs/frmAutoUpdateNewVersionAvailable.h"
#include "dialogs/frmAutoUpdateVersionIsCurrent.h"

namespace quillbat {

namespace {

template <typename Dialog>
void ShowModal(UpdateState& state) {
    Dialog dialog(state, QApplication::activeWindow());
    dialog.exec();
}

}  // namespace

void QtUpdateDialogs::ShowNewVersionAvailable(UpdateState& state) {
    ShowModal<frmAutoUpdateNewVersionAvailable>(state);
}

void QtUpdateDialogs::ShowVersionIsCurrent(UpdateState& state) {
    ShowModal<frmAutoUpdateVersionIsCurrent>(state);
}

}  // namespace quillbat
