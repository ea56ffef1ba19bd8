#include "dialogs/frmAutoUpdateVersionIsCurrent.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogLayout.h"
#include "dialogs/ShieldPicture.h"

namespace quillbat {

frmAutoUpdateVersionIsCurrent::frmAutoUpdateVersionIsCurrent(UpdateState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("frmAutoUpdateVersionIsCurrent");
    setWindowTitle(kVersionIsCurrentCaption);
    setModal(true);
    picShield = new QLabel(this);
    picShield->setObjectName("picShield");
    picShield->setPixmap(ShieldPicture(Shield::Current, 56));
    lblNoUPdatesAvailable = new QLabel(QString::fromStdString(VersionIsCurrentText(state)), this);
    lblNoUPdatesAvailable->setObjectName("lblNoUPdatesAvailable");
    chkAutoCheck = new QCheckBox("Automatically check for updates in future", this);
    chkAutoCheck->setObjectName("chkAutoCheck");
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(lblNoUPdatesAvailable);
    text->addSpacing(10);
    text->addWidget(chkAutoCheck);

    LayOutMessagePage(this, PictureBesideText(picShield, text), {cmdOK});
}

void frmAutoUpdateVersionIsCurrent::done(int result) {
    if (chkAutoCheck->isChecked()) state_.autoCheckAnswer.assign(1, 'Y');
    QDialog::done(result);
}

}  // namespace quillbat
