#include "app/frmCreateScorecard.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/BaseballGraphic.h"
#include "app/CreatePipeline.h"
#include "app/GameList.h"
#include "app/MenuCommands.h"
#include "app/SpreadsheetCheck.h"
#include "app/Startup.h"
#include "dialogs/DialogLayout.h"
#include "dialogs/ProgramIdentity.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmOptions.h"
#include "platform/DateEntry.h"
#include "platform/OrphanedTasks.h"

namespace quillbat {

namespace {

QFrame* DecorativeLine(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

frmCreateScorecard::frmCreateScorecard(AppContext& ctx, const Date& today, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), today_(today) {
    setObjectName("frmCreateScorecard");
    setWindowTitle("Quillbat");
    BuildControls();
    BuildMenus();
    SetTabOrder();
    ConnectCheckBoxes();
    Load(today);
}

void frmCreateScorecard::BuildControls() {
    auto* central = new QWidget(this);
    lblGameDate = Named(new QLabel("Game Date:", central), "lblGameDate");
    txtGameDate = Named(new QLineEdit(central), "txtGameDate");
    txtGameDate->setMaxLength(10);
    txtGameDate->setMinimumWidth(110);
    lblGame = Named(new QLabel("Game:", central), "lblGame");
    cboGames = Named(new QComboBox(central), "cboGames");
    cboGames->setMinimumContentsLength(28);
    lblOptions = Named(new QLabel("Options:", central), "lblOptions");
    chkCreateScorecards = Named(new QCheckBox("Create Scorecards", central), "chkCreateScorecards");
    chkCreateRosters = Named(new QCheckBox("Create Team Rosters", central), "chkCreateRosters");
    chkCreatePitcherProfiles =
        Named(new QCheckBox("Create Pitcher Profiles", central), "chkCreatePitcherProfiles");
    chkPrintOutput = Named(new QCheckBox("Print Scorecards/Rosters", central), "chkPrintOutput");
    cmdCreate = Named(new QPushButton("Create", central), "cmdCreate");
    cmdQuit = Named(new QPushButton("&Quit", central), "cmdQuit");
    cmdTestStuff = Named(new QPushButton("Test", central), "cmdTestStuff");
    lblStatus = Named(new QLabel("Status:", central), "lblStatus");
    txtStatus = Named(new QLineEdit(central), "txtStatus");
    txtStatus->setReadOnly(true);  // the user cannot type into it
    txtStatus->setMinimumWidth(520);
    BaseballGraphicPicture = Named(new BaseballGraphic(central), "BaseballGraphic");
    lblGameDate->setBuddy(txtGameDate);
    lblGame->setBuddy(cboGames);

    auto* form = new QGridLayout;
    form->addWidget(lblGameDate, 0, 0);
    form->addWidget(txtGameDate, 0, 1, Qt::AlignLeft);
    form->addWidget(lblGame, 1, 0);
    form->addWidget(cboGames, 1, 1);
    form->addWidget(BaseballGraphicPicture, 0, 2, 2, 1, Qt::AlignRight);
    form->setColumnStretch(1, 1);

    auto* checks = new QVBoxLayout;
    checks->addWidget(lblOptions);
    for (QCheckBox* box : {chkCreateScorecards, chkCreateRosters, chkCreatePitcherProfiles, chkPrintOutput})
        checks->addWidget(box);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdCreate, cmdQuit, cmdTestStuff}) buttons->addWidget(button);

    auto* middle = new QHBoxLayout;
    middle->addLayout(checks);
    middle->addStretch();
    middle->addLayout(buttons);

    auto* status = new QHBoxLayout;
    status->addWidget(lblStatus);
    status->addWidget(txtStatus, 1);

    auto* page = new QVBoxLayout(central);
    page->addLayout(form);
    page->addWidget(DecorativeLine(central, "Line1"));
    page->addLayout(middle);
    page->addWidget(DecorativeLine(central, "Line2"));
    page->addLayout(status);
    setCentralWidget(central);

    connect(cmdQuit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdCreate, &QPushButton::clicked, this, &frmCreateScorecard::cmdCreate_Click);
    txtGameDate->installEventFilter(this);
    // Enter in the date box moves on to the game list, which checks and fetches the date.
    connect(txtGameDate, &QLineEdit::returnPressed, this, [this] { cboGames->setFocus(Qt::TabFocusReason); });
}

void frmCreateScorecard::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    mnuViewExampleOutput = file->addAction("&View Example Output");
    mnuOpenOutputFolder = file->addAction("Open &Output Folder");
    mnuExit = file->addAction("E&xit");
    mnuOptions = menuBar()->addAction("&Options");
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    mnuReadMeFile = help->addAction("&ReadMe File");
    mnuReleaseNotes = help->addAction("R&elease Notes");
    help->addSeparator()->setObjectName("mnuSeparator1");
    mnuCheckForUpdate = help->addAction("&Check For Update");
    help->addSeparator()->setObjectName("mnuSeparator2");
    mnuAbout = help->addAction("&About Quillbat");

    mnuViewExampleOutput->setObjectName("mnuViewExampleOutput");
    mnuOpenOutputFolder->setObjectName("mnuOpenOutputFolder");
    mnuExit->setObjectName("mnuExit");
    mnuOptions->setObjectName("mnuOptions");
    mnuReadMeFile->setObjectName("mnuReadMeFile");
    mnuReleaseNotes->setObjectName("mnuReleaseNotes");
    mnuCheckForUpdate->setObjectName("mnuCheckForUpdate");
    mnuAbout->setObjectName("mnuAbout");

    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuViewExampleOutput, &QAction::triggered, this, [this] { ViewExampleOutput(ctx_); });
    connect(mnuOpenOutputFolder, &QAction::triggered, this, [this] { OpenOutputFolder(ctx_); });
    connect(mnuReadMeFile, &QAction::triggered, this, [this] { ShowReadMe(ctx_); });
    connect(mnuReleaseNotes, &QAction::triggered, this, [this] { ShowReleaseNotes(ctx_); });
    connect(mnuOptions, &QAction::triggered, this, &frmCreateScorecard::ShowOptions);
    connect(mnuCheckForUpdate, &QAction::triggered, this, &frmCreateScorecard::CheckForUpdateFromMenu);
    connect(mnuAbout, &QAction::triggered, this, &frmCreateScorecard::ShowAbout);
}

void frmCreateScorecard::SetTabOrder() {
    QWidget* order[] = {txtGameDate,
                        cboGames,
                        chkCreateScorecards,
                        chkCreateRosters,
                        chkCreatePitcherProfiles,
                        chkPrintOutput,
                        cmdCreate,
                        cmdQuit,
                        cmdTestStuff,
                        txtStatus};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void frmCreateScorecard::ConnectCheckBoxes() {
    auto keep = [this](QCheckBox* box, bool Settings::*flag) {
        connect(box, &QCheckBox::clicked, this,
                [this, box, flag] { ctx_.settings.*flag = box->isChecked(); });
    };
    keep(chkCreateScorecards, &Settings::createScorecards);
    keep(chkCreateRosters, &Settings::createRosters);
    keep(chkCreatePitcherProfiles, &Settings::createPitcherProfiles);
    keep(chkPrintOutput, &Settings::printOutput);
}

void frmCreateScorecard::Load(const Date& today) {
    firstActivationPending_ = true;
    txtGameDate->setText(QString::fromStdString(InitialDateBoxText(ctx_.settings, today)));
    cboGames->clear();
    chkCreateScorecards->setChecked(ctx_.settings.createScorecards);
    chkCreateRosters->setChecked(ctx_.settings.createRosters);
    chkCreatePitcherProfiles->setChecked(ctx_.settings.createPitcherProfiles);
    chkPrintOutput->setChecked(ctx_.settings.printOutput);
    cmdCreate->setEnabled(false);
    cmdTestStuff->setVisible(ctx_.settings.devMode);
    SetStatusText("Enter game date and click 'Get Games' button.");
}

void frmCreateScorecard::SetStatusText(const std::string& text) {
    std::string shown = text;
    if (ctx_.settings.sources.sampleData)
        shown += std::string(shown.empty() ? "" : "   ") + "(sample data, not real games)";
    txtStatus->setText(QString::fromStdString(shown));
    txtStatus->setCursorPosition(0);
    txtStatus->repaint();
}

void frmCreateScorecard::OnActivated() {
    // An activation while one is being handled, or while a run is under way (the event pump
    // runs during downloads and message boxes), starts nothing new.
    if (activating_ || updateCheckRunning_ || working_) return;
    activating_ = true;
    if (skipNextActivationCheck_)
        skipNextActivationCheck_ = false;
    else if (ctx_.settings.autoUpdate == "Y")
        RunUpdateCheck(true);
    if (firstActivationPending_) FirstActivation();
    activating_ = false;
}

void frmCreateScorecard::FirstActivation() {
    firstActivationPending_ = false;
    if (ctx_.settings.devMode || ctx_.settings.debugMode) CheckOrphanedTasks(ctx_.ui, true, "all");
    if (!CheckSpreadsheet(ctx_)) {
        exitDone_ = true;  // the program ends at once: nothing is written back
        QCoreApplication::exit(1);
        return;
    }
    QCoreApplication::processEvents();
    // The list shows the box's date from now on, so moving the focus on does not fetch it again.
    ctx_.settings.selectedGameDate = txtGameDate->text().toStdString();
    GetGames(ctx_.settings.selectedGameDate);
    cboGames->setFocus(Qt::OtherFocusReason);
}

void frmCreateScorecard::CheckForUpdateFromMenu() {
    if (working_ || updateCheckRunning_) return;
    RunUpdateCheck(false);
}

// Closing the check's own dialog or message box makes the window active again. When the
// window is not active as the check ends, that activation is still to come: it is the
// check's own doing and does not start the check over.
void frmCreateScorecard::RunUpdateCheck(bool silent) {
    updateCheckRunning_ = true;
    SetWorking(true);
    if (silent) {
        bool ignored = false;
        CheckForUpdate(ctx_.settings, ctx_.ui, updateDialogs_, true, ignored);
    } else {
        quillbat::CheckForUpdateFromMenu(ctx_.settings, ctx_.ui, updateDialogs_);
    }
    SetWorking(false);
    updateCheckRunning_ = false;
    skipNextActivationCheck_ = !isActiveWindow();
}

void frmCreateScorecard::ShowOptions() {
    frmOptions options(ctx_, this);
    options.exec();
}

void frmCreateScorecard::ShowAbout() {
    frmAbout about(ctx_.ui, ThisProgram(), this);
    about.exec();
}

void frmCreateScorecard::GetGames(const std::string& date) {
    SetWorking(true);
    GameListOutcome outcome = quillbat::GetGames(ctx_, date);
    SetWorking(false);
    if (RunExitStepsIfClosed()) return;
    ShowGameList(outcome);
}

void frmCreateScorecard::cmdCreate_Click() {
    if (working_) return;
    SetWorking(true);
    int game = cboGames->currentIndex() >= 0 ? cboGames->currentData().toInt() : 0;
    RunCreate(ctx_, CreateStages::Available(), cboGames->count() > 0, game);
    SetWorking(false);
    RunExitStepsIfClosed();
}

bool frmCreateScorecard::RunExitStepsIfClosed() {
    if (!ctx_.ui.StopRequested()) return false;
    if (!exitDone_) {
        exitDone_ = true;
        SaveSettingsOnExit(ctx_.settings);
    }
    return true;
}

void frmCreateScorecard::SetWorking(bool working) {
    working_ = working;
    txtGameDate->setReadOnly(working);
    if (working) {
        createWasEnabled_ = cmdCreate->isEnabled();
        cmdCreate->setEnabled(false);
    } else {
        cmdCreate->setEnabled(createWasEnabled_);
    }
}

void frmCreateScorecard::ShowGameList(const GameListOutcome& outcome) {
    if (outcome.status == GameListStatus::DownloadFailed) return;  // the list keeps what it had
    cboGames->clear();
    if (outcome.status == GameListStatus::NoGames) return;
    for (std::size_t i = 0; i < outcome.entries.size(); ++i)
        cboGames->addItem(QString::fromStdString(outcome.entries[i]), static_cast<int>(i + 1));
    cboGames->setCurrentIndex(static_cast<int>(outcome.selected));
    cmdCreate->setEnabled(true);
    cboGames->setFocus(Qt::OtherFocusReason);
}

bool frmCreateScorecard::ValidateDateBox() {
    std::string text = txtGameDate->text().toStdString();
    bool reject = ValidateDateEntry(text, true, true, today_, ctx_.ui);
    txtGameDate->setText(QString::fromStdString(text));
    if (reject) return false;
    if (text != ctx_.settings.selectedGameDate) {
        cboGames->clear();
        cmdCreate->setEnabled(false);
    }
    return true;
}

void frmCreateScorecard::DateBoxLostFocus() {
    auto date = ParseDate(txtGameDate->text().toStdString(), today_);
    if (!date) {
        ctx_.ui.Message(MsgIcon::None, "", "Invalid date!");
        return;
    }
    std::string text = FormatDate(*date);
    txtGameDate->setText(QString::fromStdString(text));
    if (text == ctx_.settings.selectedGameDate) return;
    ctx_.settings.selectedGameDate = text;
    GetGames(text);
}

bool frmCreateScorecard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtGameDate || event->type() != QEvent::FocusOut || checkingDateBox_ || working_)
        return QMainWindow::eventFilter(watched, event);
    // Only a move of the focus inside the window counts, not a message box or another window
    // taking it.
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return QMainWindow::eventFilter(watched, event);
    checkingDateBox_ = true;
    if (ValidateDateBox()) {
        DateBoxLostFocus();
    } else {
        // Back into the box once the focus change under way has finished.
        QMetaObject::invokeMethod(
            this, [this] { txtGameDate->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
    }
    checkingDateBox_ = false;
    return QMainWindow::eventFilter(watched, event);
}

bool frmCreateScorecard::event(QEvent* event) {
    bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) OnActivated();
    return handled;
}

void frmCreateScorecard::closeEvent(QCloseEvent* event) {
    if (working_) {
        // Closed from inside the event pump of a download or a Create: the work is told to
        // stop at once, and the exit steps run as soon as it has returned.
        ctx_.ui.RequestStop();
    } else if (!exitDone_) {
        exitDone_ = true;
        SaveSettingsOnExit(ctx_.settings);
    }
    event->accept();
}

}  // namespace quillbat
