#include "dialogs/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogLayout.h"
#include "dialogs/HyperText.h"
#include "dialogs/ProgramIcon.h"
#include "dialogs/ProgramIdentity.h"
#include "dialogs/SystemInfo.h"
#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(ReplaceAll(text, "\r\n", "\n")); }

}  // namespace

frmAbout::frmAbout(Ui& ui, const ProgramIdentity& program, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName("frmAbout");
    setWindowTitle(Text("About " + program.title));
    setModal(true);
    BuildControls(program);
    LayOut();
    webLink = new HyperText(ui_, this);
    webLink->CreateHyper(lblWebLink);
    emailLink = new HyperText(ui_, this);
    emailLink->CreateHyper(lblEmailLink);
}

void frmAbout::BuildControls(const ProgramIdentity& program) {
    picIcon = Named(new QLabel(this), "picIcon");
    picIcon->setPixmap(QPixmap::fromImage(PaintProgramIcon(64)));
    picIcon->setAlignment(Qt::AlignTop);
    lblTitle = Named(new QLabel(Text(AboutTitle(program)), this), "lblTitle");
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblTitle->setFont(bold);
    lblVersion = Named(new QLabel(Text(VersionLine(program)), this), "lblVersion");
    lblDescription = Named(new QLabel(Text(AboutDescription(program)), this), "lblDescription");
    lblDescription->setWordWrap(true);
    lblTechSupport = Named(new QLabel("Tech Support:", this), "lblTechSupport");
    lblWeb = Named(new QLabel("Web:", this), "lblWeb");
    lblWebLink = Named(new QLabel(Text(program.webPage), this), "lblWebLink");
    lblEmail = Named(new QLabel("E-Mail:", this), "lblEmail");
    lblEmailLink = Named(new QLabel(Text(program.supportEmail), this), "lblEmailLink");
    cmdOK = Named(new QPushButton("OK", this), "cmdOK");
    cmdSysInfo = Named(new QPushButton("&System Info...", this), "cmdSysInfo");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(ui_); });
}

void frmAbout::LayOut() {
    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblDescription);

    QHBoxLayout* top = PictureBesideText(picIcon, text);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* links = new QGridLayout;
    links->addWidget(lblTechSupport, 0, 0, 1, 2);
    links->addWidget(lblWeb, 1, 0);
    links->addWidget(lblWebLink, 1, 1, Qt::AlignLeft);
    links->addWidget(lblEmail, 2, 0);
    links->addWidget(lblEmailLink, 2, 1, Qt::AlignLeft);
    links->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addLayout(buttons);

    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->addLayout(top);
    page->addSpacing(6);
    page->addWidget(line);
    page->addLayout(bottom);
    setMinimumWidth(460);
}

}  // namespace quillbat
