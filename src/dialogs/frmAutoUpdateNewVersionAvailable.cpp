#include "dialogs/frmAutoUpdateNewVersionAvailable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogLayout.h"
#include "dialogs/ShieldPicture.h"

namespace quillbat {

namespace {

QLabel* NamedLabel(const std::string& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

frmAutoUpdateNewVersionAvailable::frmAutoUpdateNewVersionAvailable(UpdateState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("frmAutoUpdateNewVersionAvailable");
    setWindowTitle(kNewVersionCaption);
    setModal(true);
    picShield = NamedLabel("", this, "picShield");
    picShield->setPixmap(ShieldPicture(Shield::Warning, 56));
    lblNewVersionAvailable = NamedLabel(NewVersionAvailableText(state), this, "lblNewVersionAvailable");
    QFont bold = lblNewVersionAvailable->font();
    bold.setBold(true);
    lblNewVersionAvailable->setFont(bold);
    lblYourVersionCaption = NamedLabel("Your version is:", this, "lblYourVersionCaption");
    lblYourVersion = NamedLabel(state.yourVersion, this, "lblYourVersion");
    lblCurrentVersionCaption = NamedLabel("Current version is:", this, "lblCurrentVersionCaption");
    lblCurrentVersion = NamedLabel(state.currentVersion, this, "lblCurrentVersion");
    lblDownloadIt =
        NamedLabel("Would you like to visit the website now to download it?", this, "lblDownloadIt");
    cmdYes = new QPushButton("&Yes", this);
    cmdYes->setObjectName("cmdYes");
    cmdNo = new QPushButton("&No", this);
    cmdNo->setObjectName("cmdNo");
    cmdYes->setDefault(true);
    connect(cmdYes, &QPushButton::clicked, this, [this] {
        state_.downloadAnswer.assign(1, 'Y');
        accept();
    });
    connect(cmdNo, &QPushButton::clicked, this, &QDialog::reject);

    auto* versions = new QGridLayout;
    versions->addWidget(lblYourVersionCaption, 0, 0);
    versions->addWidget(lblYourVersion, 0, 1);
    versions->addWidget(lblCurrentVersionCaption, 1, 0);
    versions->addWidget(lblCurrentVersion, 1, 1);
    versions->setColumnStretch(1, 1);
    versions->setContentsMargins(16, 0, 0, 0);

    auto* text = new QVBoxLayout;
    text->addWidget(lblNewVersionAvailable);
    text->addSpacing(6);
    text->addLayout(versions);
    text->addSpacing(6);
    text->addWidget(lblDownloadIt);

    LayOutMessagePage(this, PictureBesideText(picShield, text), {cmdYes, cmdNo});
}

}  // namespace quillbat
