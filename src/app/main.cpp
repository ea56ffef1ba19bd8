// quillbat: the main window.
#include <QApplication>

#include "app/QtUi.h"
#include "app/Startup.h"
#include "app/frmCreateScorecard.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillbat");

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
    return app.exec();
}
