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
#include "app/MenuCommands.h"
#include "app/Startup.h"

namespace quillbat {

namespace {

QFrame* DecorativeLine(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

frmCreateScorecard::frmCreateScorecard(AppContext& ctx, const Date& today, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx) {
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
    BaseballGraphicPicture = Named(new BaseballGraphic(central), "BaseballGraphic");
    lblGameDate->setBuddy(txtGameDate);
    lblGame->setBuddy(cboGames);

    auto* form = new QGridLayout;
    form->addWidget(lblGameDate, 0, 0);
    form->addWidget(txtGameDate, 0, 1, Qt::AlignLeft);
    form->addWidget(lblGame, 1, 0);
    form->addWidget(cboGames, 1, 1);
    form->addWidget(BaseballGraphicPicture, 0, 2, 2, 1, Qt::AlignRight);

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
}

void frmCreateScorecard::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    mnuViewExampleOutput = file->addAction("&View Example Output");
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
    mnuExit->setObjectName("mnuExit");
    mnuOptions->setObjectName("mnuOptions");
    mnuReadMeFile->setObjectName("mnuReadMeFile");
    mnuReleaseNotes->setObjectName("mnuReleaseNotes");
    mnuCheckForUpdate->setObjectName("mnuCheckForUpdate");
    mnuAbout->setObjectName("mnuAbout");

    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuViewExampleOutput, &QAction::triggered, this, [this] { ViewExampleOutput(ctx_); });
    connect(mnuReadMeFile, &QAction::triggered, this, [this] { ShowReadMe(ctx_); });
    connect(mnuReleaseNotes, &QAction::triggered, this, [this] { ShowReleaseNotes(ctx_); });
}

void frmCreateScorecard::SetTabOrder() {
    QWidget* order[] = {txtGameDate,    cboGames,  chkCreateScorecards, chkCreateRosters,
                        chkCreatePitcherProfiles, chkPrintOutput, cmdCreate, cmdQuit,
                        cmdTestStuff,   txtStatus};
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
    txtStatus->setText(QString::fromStdString(text));
    txtStatus->repaint();
}

void frmCreateScorecard::OnActivated() {
    if (!firstActivationPending_) return;
    QCoreApplication::processEvents();
    firstActivationPending_ = false;
}

bool frmCreateScorecard::event(QEvent* event) {
    bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) OnActivated();
    return handled;
}

void frmCreateScorecard::closeEvent(QCloseEvent* event) {
    if (!exitDone_) {
        exitDone_ = true;
        SaveSettingsOnExit(ctx_.settings);
    }
    event->accept();
}

}  // namespace quillbat
