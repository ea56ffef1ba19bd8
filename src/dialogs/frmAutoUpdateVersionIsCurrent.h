#pragma once
// The update check's dialog when there is nothing newer, with the offer to check
// automatically from now on.

#include <QDialog>

#include "dialogs/AutoUpdateCheck.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quillbat {

class frmAutoUpdateVersionIsCurrent : public QDialog {
public:
    explicit frmAutoUpdateVersionIsCurrent(UpdateState& state, QWidget* parent = nullptr);

    // Every way of closing (OK, Escape, the close box) passes here.
    void done(int result) override;

    QLabel* picShield;
    QLabel* lblNoUPdatesAvailable;
    QCheckBox* chkAutoCheck;
    QPushButton* cmdOK;

private:
    UpdateState& state_;
};

}  // namespace quillbat
