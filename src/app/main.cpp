// quillbat: the main window.
#include <QApplication>
#include <QTimer>

#include "app/QtUi.h"
#include "app/Startup.h"
#include "app/frmCreateScorecard.h"
#include "dialogs/ProgramIcon.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillbat");
    QApplication::setWindowIcon(quillbat::ProgramIcon());
    QGuiApplication::setDesktopFileName("quillbat");

    quillbat::QtUi ui;
    quillbat::AppContext ctx(ui);
    auto inputs = quillbat::StartupInputs::FromProcess(argc, argv);
    if (auto error = quillbat::Initialize(ctx, inputs); !error.empty()) {
        ui.Message(quillbat::MsgIcon::Critical, "Error", error);
        return 1;
    }
    quillbat::frmCreateScorecard window(ctx, inputs.today);
    ui.SetStatusSink([&window](const std::string& text) { window.SetStatusText(text); });
    window.show();
    window.activateWindow();
    // Without a window manager the window is never told it became active; the start-up
    // steps of the first activation run all the same once the event loop has started.
    QTimer::singleShot(0, &window, [&window] { window.OnActivated(); });
    return app.exec();
}
