#include "app/QtUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "platform/DesktopShell.h"

namespace quillbat {

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MsgAnswer FromQt(int button) {
    switch (button) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        default: return MsgAnswer::Ok;
    }
}

}  // namespace

QtUi::QtUi(std::function<void(const std::string&)> statusSink) : statusSink_(std::move(statusSink)) {}

void QtUi::ShowStatus(const std::string& text) {
    if (statusSink_) statusSink_(text);
    PumpEvents();
}

void QtUi::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtUi::PumpEvents() { QCoreApplication::processEvents(); }

int QtUi::OpenDocument(const std::string& pathOrUrl) { return DesktopOpen(pathOrUrl); }

std::string QtUi::FindViewer(const std::string& path) { return DesktopViewerFor(path); }

std::string QtUi::PickFolder(const std::string& title, const std::string& startFolder) {
    QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(),
                                                       QString::fromStdString(title),
                                                       QString::fromStdString(startFolder));
    return folder.toStdString();
}

MsgAnswer QtUi::ShowMessage(MsgIcon icon, const std::string& title, const std::string& text,
                            MsgButtons buttons) {
    // A message box must show the normal pointer even while work is under way.
    bool busy = busyDepth_ > 0;
    if (busy) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    ToQtButtons(buttons), QApplication::activeWindow());
    int answer = box.exec();
    if (busy) QGuiApplication::restoreOverrideCursor();
    return FromQt(answer);
}

}  // namespace quillbat
