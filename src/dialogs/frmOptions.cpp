#include "dialogs/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogLayout.h"
#include "dialogs/OptionsValues.h"
#include "platform/Shell.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

void ShowFolder(QLineEdit* box, const std::string& folder) {
    box->setText(QString::fromStdString(folder));
    box->setToolTip(box->text());
    box->setCursorPosition(0);
}

}  // namespace

frmOptions::frmOptions(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmOptions");
    setWindowTitle("Quillbat Options");
    setModal(true);
    BuildControls();
    LayOut();
    Load();
}

void frmOptions::BuildControls() {
    lblFolderLocations = Named(new QLabel("Folder Locations:", this), "lblFolderLocations");
    QFont heading = lblFolderLocations->font();
    heading.setBold(true);
    lblFolderLocations->setFont(heading);
    lblLogos = Named(new QLabel("Team Logos:", this), "lblLogos");
    txtLogoFilesDir = Named(new QLineEdit(this), "txtLogoFilesDir");
    cmdBrowseLogosDir = Named(new QPushButton("Browse", this), "cmdBrowseLogosDir");
    lblOutput = Named(new QLabel("Output:", this), "lblOutput");
    txtOutputDir = Named(new QLineEdit(this), "txtOutputDir");
    cmdBrowseOutputDir = Named(new QPushButton("Browse", this), "cmdBrowseOutputDir");
    lblTemplates = Named(new QLabel("Templates:", this), "lblTemplates");
    txtTemplatesDir = Named(new QLineEdit(this), "txtTemplatesDir");
    cmdBrowseTemplatesDir = Named(new QPushButton("Browse", this), "cmdBrowseTemplatesDir");
    lblTempStorage = Named(new QLabel("Temp Storage:", this), "lblTempStorage");
    txtTempStorageDir = Named(new QLineEdit(this), "txtTempStorageDir");
    cmdBrowseTempStorage = Named(new QPushButton("Browse", this), "cmdBrowseTempStorage");
    lblPlayerStats = Named(new QLabel("Player stats to include on scorecard:", this), "lblPlayerStats");
    lblPlayerStats->setFont(heading);
    optBASplits = Named(new QRadioButton("BA L/R splits", this), "optBASplits");
    optBAWAR = Named(new QRadioButton("BA and WAR", this), "optBAWAR");
    optBAOnly = Named(new QRadioButton("BA only", this), "optBAOnly");
    chkAutoUpdateCheck =
        Named(new QCheckBox("Automatically check for update to Quillbat", this), "chkAutoUpdateCheck");
    chkSavePdf = Named(new QCheckBox("Also save PDF copies", this), "chkSavePdf");
    lblFavoriteTeam = Named(new QLabel("Favorite Team:", this), "lblFavoriteTeam");
    cboFavoriteTeam = Named(new QComboBox(this), "cboFavoriteTeam");
    cmdSave = Named(new QPushButton("&Save", this), "cmdSave");
    cmdCancel = Named(new QPushButton("&Cancel", this), "cmdCancel");
    cmdSave->setDefault(true);

    for (QLineEdit* box : {txtLogoFilesDir, txtOutputDir, txtTemplatesDir, txtTempStorageDir})
        box->setMinimumWidth(380);
    lblLogos->setBuddy(txtLogoFilesDir);
    lblOutput->setBuddy(txtOutputDir);
    lblTemplates->setBuddy(txtTemplatesDir);
    lblTempStorage->setBuddy(txtTempStorageDir);
    lblFavoriteTeam->setBuddy(cboFavoriteTeam);

    ConnectBrowse(cmdBrowseLogosDir, txtLogoFilesDir, "Folder for Team Logos");
    ConnectBrowse(cmdBrowseOutputDir, txtOutputDir, "Folder for Output");
    ConnectBrowse(cmdBrowseTemplatesDir, txtTemplatesDir, "Folder for Templates");
    ConnectBrowse(cmdBrowseTempStorage, txtTempStorageDir, "Folder for Temp Storage");
    connect(cmdSave, &QPushButton::clicked, this, &frmOptions::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOptions::LayOut() {
    auto* folders = new QGridLayout;
    QLabel* labels[] = {lblLogos, lblOutput, lblTemplates, lblTempStorage};
    QLineEdit* boxes[] = {txtLogoFilesDir, txtOutputDir, txtTemplatesDir, txtTempStorageDir};
    QPushButton* browse[] = {cmdBrowseLogosDir, cmdBrowseOutputDir, cmdBrowseTemplatesDir,
                             cmdBrowseTempStorage};
    for (int i = 0; i < 4; ++i) {
        folders->addWidget(labels[i], i, 0);
        folders->addWidget(boxes[i], i, 1);
        folders->addWidget(browse[i], i, 2);
    }
    folders->setColumnStretch(1, 1);

    auto* formats = new QHBoxLayout;
    for (QRadioButton* option : {optBASplits, optBAWAR, optBAOnly}) formats->addWidget(option);
    formats->addStretch();

    auto* favorite = new QHBoxLayout;
    favorite->addWidget(lblFavoriteTeam);
    favorite->addWidget(cboFavoriteTeam);
    favorite->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto* page = new QVBoxLayout(this);
    page->addWidget(lblFolderLocations);
    page->addLayout(folders);
    page->addSpacing(10);
    page->addWidget(lblPlayerStats);
    page->addLayout(formats);
    page->addSpacing(10);
    page->addWidget(chkSavePdf);
    page->addWidget(chkAutoUpdateCheck);
    page->addLayout(favorite);
    page->addSpacing(10);
    page->addLayout(buttons);
}

void frmOptions::Load() {
    OptionsValues v = LoadOptions(ctx_.settings);
    ShowFolder(txtLogoFilesDir, v.logosDir);
    ShowFolder(txtOutputDir, v.outputDir);
    ShowFolder(txtTemplatesDir, v.templatesDir);
    ShowFolder(txtTempStorageDir, v.tempDirRoot);
    if (v.scorecardPlayerFmt == "BASplits")
        optBASplits->setChecked(true);
    else if (v.scorecardPlayerFmt == "BA/WAR")
        optBAWAR->setChecked(true);
    else
        optBAOnly->setChecked(true);
    chkAutoUpdateCheck->setChecked(v.autoUpdate);
    chkSavePdf->setChecked(v.savePdf);
    cboFavoriteTeam->clear();
    auto choices = FavoriteTeamChoices(ctx_.teams);
    for (const auto& choice : choices) cboFavoriteTeam->addItem(QString::fromStdString(choice));
    cboFavoriteTeam->setCurrentIndex(FavoriteTeamIndex(choices, v.favoriteTeam));
}

void frmOptions::ConnectBrowse(QPushButton* button, QLineEdit* box, const char* title) {
    connect(button, &QPushButton::clicked, this, [this, box, title] {
        std::string picked = BrowseForFolder(title, box->text().toStdString(), ctx_.ui);
        if (!IsBlank(picked)) ShowFolder(box, picked);
    });
}

void frmOptions::cmdSave_Click() {
    OptionsValues v;
    v.logosDir = txtLogoFilesDir->text().toStdString();
    v.outputDir = txtOutputDir->text().toStdString();
    v.templatesDir = txtTemplatesDir->text().toStdString();
    v.tempDirRoot = txtTempStorageDir->text().toStdString();
    if (std::string error = CheckOptionFolders(v); !error.empty()) {
        ctx_.ui.Message(MsgIcon::Exclamation, "Folder Error", error);
        return;
    }
    v.scorecardPlayerFmt = optBASplits->isChecked() ? "BASplits"
                           : optBAWAR->isChecked()  ? "BA/WAR"
                                                    : "BAOnly";
    v.autoUpdate = chkAutoUpdateCheck->isChecked();
    v.savePdf = chkSavePdf->isChecked();
    v.favoriteTeam = cboFavoriteTeam->currentText().toStdString();
    SaveOptions(ctx_.settings, v);
    accept();
}

}  // namespace quillbat
