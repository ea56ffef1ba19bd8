#pragma once
// The update check's dialog for a newer release: the two versions and whether to visit the
// download page.

#include <QDialog>

#include "dialogs/AutoUpdateCheck.h"

class QLabel;
class QPushButton;

namespace quillbat {

class frmAutoUpdateNewVersionAvailable : public QDialog {
public:
    explicit frmAutoUpdateNewVersionAvailable(UpdateState& state, QWidget* parent = nullptr);

    QLabel* picShield;
    QLabel* lblNewVersionAvailable;
    QLabel* lblYourVersionCaption;
    QLabel* lblYourVersion;
    QLabel* lblCurrentVersionCaption;
    QLabel* lblCurrentVersion;
    QLabel* lblDownloadIt;
    QPushButton* cmdYes;
    QPushButton* cmdNo;

private:
    UpdateState& state_;
};

}  // namespace quillbat
