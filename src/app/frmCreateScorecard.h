#pragma once
// The main window: date box, game list, what to make, Create, and the status box.

#include <QMainWindow>

#include "app/AppContext.h"
#include "app/GameList.h"
#include "dialogs/QtUpdateDialogs.h"
#include "platform/Dates.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillbat {

class BaseballGraphic;

class frmCreateScorecard : public QMainWindow {
public:
    // ctx must have been through Initialize.
    frmCreateScorecard(AppContext& ctx, const Date& today, QWidget* parent = nullptr);

    // Runs on every activation of the window: the silent update check when it is on; the
    // first activation also does the start-up checks and lists the games.
    void OnActivated();
    // The Help menu's update check.
    void CheckForUpdateFromMenu();
    // Fetches and lists the games of a "MM/DD/YYYY" date.
    void GetGames(const std::string& date);
    // The Create button: makes what is ticked for the chosen game.
    void cmdCreate_Click();
    // Shows a status text (the status sink of the window's Ui).
    void SetStatusText(const std::string& text);

    // The controls, named as the rest of the program refers to them.
    QLabel* lblGameDate;
    QLineEdit* txtGameDate;
    QLabel* lblGame;
    QComboBox* cboGames;
    QLabel* lblOptions;
    QCheckBox* chkCreateScorecards;
    QCheckBox* chkCreateRosters;
    QCheckBox* chkCreatePitcherProfiles;
    QCheckBox* chkPrintOutput;
    QPushButton* cmdCreate;
    QPushButton* cmdQuit;
    QPushButton* cmdTestStuff;
    QLabel* lblStatus;
    QLineEdit* txtStatus;
    BaseballGraphic* BaseballGraphicPicture;

    QAction* mnuViewExampleOutput;
    QAction* mnuOpenOutputFolder;
    QAction* mnuExit;
    QAction* mnuOptions;
    QAction* mnuReadMeFile;
    QAction* mnuReleaseNotes;
    QAction* mnuCheckForUpdate;
    QAction* mnuAbout;

    bool FirstActivationPending() const { return firstActivationPending_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void SetTabOrder();
    void ConnectCheckBoxes();
    void Load(const Date& today);
    // The date box's check when the focus leaves it; false keeps the focus in the box.
    bool ValidateDateBox();
    void DateBoxLostFocus();
    void FirstActivation();
    void ShowGameList(const GameListOutcome& outcome);
    void ShowOptions();
    void ShowAbout();
    // The update check, with the window's own bookkeeping: see the .cpp.
    void RunUpdateCheck(bool silent);
    // The date box and Create take no input while a run or a fetch is under way, so no second
    // one can start from inside the event pump.
    void SetWorking(bool working);
    // After work: when the window was closed meanwhile, the exit steps; true then.
    bool RunExitStepsIfClosed();

    AppContext& ctx_;
    Date today_;
    bool working_ = false;
    bool createWasEnabled_ = false;
    bool checkingDateBox_ = false;
    bool firstActivationPending_ = true;
    bool exitDone_ = false;
    bool activating_ = false;
    bool updateCheckRunning_ = false;
    bool skipNextActivationCheck_ = false;
    QtUpdateDialogs updateDialogs_;
};

}  // namespace quillbat
