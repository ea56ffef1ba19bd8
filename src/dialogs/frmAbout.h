#pragma once
// The about box: the program's name, version and maker, the web and support links, and a
// button that starts the system-information program.

#include <QDialog>

#include "platform/Ui.h"

class QLabel;
class QPushButton;

namespace quillbat {

class HyperText;
struct ProgramIdentity;

class frmAbout : public QDialog {
public:
    frmAbout(Ui& ui, const ProgramIdentity& program, QWidget* parent = nullptr);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblTechSupport;
    QLabel* lblWeb;
    QLabel* lblWebLink;
    QLabel* lblEmail;
    QLabel* lblEmailLink;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    HyperText* webLink;
    HyperText* emailLink;

private:
    void BuildControls(const ProgramIdentity& program);
    void LayOut();

    Ui& ui_;
};

}  // namespace quillbat
