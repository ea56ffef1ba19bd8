#pragma once
// The options dialog: the four folders, the player figures on the scorecards, the automatic
// update check and the favourite team.

#include <QDialog>

#include "app/AppContext.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillbat {

class frmOptions : public QDialog {
public:
    explicit frmOptions(AppContext& ctx, QWidget* parent = nullptr);

    // Checks the folders and, when they all exist, saves and closes.
    void cmdSave_Click();

    QLabel* lblFolderLocations;
    QLabel* lblLogos;
    QLineEdit* txtLogoFilesDir;
    QPushButton* cmdBrowseLogosDir;
    QLabel* lblOutput;
    QLineEdit* txtOutputDir;
    QPushButton* cmdBrowseOutputDir;
    QLabel* lblTemplates;
    QLineEdit* txtTemplatesDir;
    QPushButton* cmdBrowseTemplatesDir;
    QLabel* lblTempStorage;
    QLineEdit* txtTempStorageDir;
    QPushButton* cmdBrowseTempStorage;
    QLabel* lblPlayerStats;
    QRadioButton* optBASplits;
    QRadioButton* optBAWAR;
    QRadioButton* optBAOnly;
    QCheckBox* chkAutoUpdateCheck;
    QCheckBox* chkSavePdf;
    QLabel* lblFavoriteTeam;
    QComboBox* cboFavoriteTeam;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;

private:
    void BuildControls();
    void LayOut();
    void Load();
    // A folder row's Browse button: the picked folder replaces the box's text.
    void ConnectBrowse(QPushButton* button, QLineEdit* box, const char* title);

    AppContext& ctx_;
};

}  // namespace quillbat
