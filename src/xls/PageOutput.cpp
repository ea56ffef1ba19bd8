#include "xls/PageOutput.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdlib>

#include "xls/PrintLayout.h"
#include "xls/SheetPainter.h"

namespace quillbat::xls {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kInchesPerMeter = 39.3700787;

std::string NothingToPrint(const Workbook& book, int sheet) {
    return "The sheet \"" + book.sheets[sheet].name + "\" has nothing to print.";
}

std::string CheckSheet(const Workbook& book, int sheet) {
    if (sheet < 0 || sheet >= static_cast<int>(book.sheets.size()) || !book.sheets[sheet].isWorksheet)
        return "There is no such worksheet to print.";
    return EnsureGuiApplication();
}

PageFields FieldsOf(const Workbook& book, int sheet, const std::string& fileName, int pages) {
    PageFields f;
    f.pages = pages;
    f.sheetName = book.sheets[sheet].name;
    f.fileName = fileName;
    QDateTime now = QDateTime::currentDateTime();
    f.date = now.date().toString("M/d/yyyy").toStdString();
    f.time = now.time().toString("h:mm AP").toStdString();
    return f;
}

QPageLayout PageLayoutOf(const PrintLayout& l) {
    double width = std::min(l.paperWidth, l.paperHeight), height = std::max(l.paperWidth, l.paperHeight);
    QPageSize size(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, l.settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

void PaintPage(QPainter& painter, const Workbook& book, int sheet, const PrintLayout& layout,
               int index, PageFields fields) {
    painter.save();
    painter.scale(painter.device()->logicalDpiX() / kPointsPerInch,
                  painter.device()->logicalDpiY() / kPointsPerInch);
    fields.page = index + 1;
    PaintPrintedPage(painter, book, sheet, layout, index, fields);
    painter.restore();
}

std::string WriteFile(QSaveFile& file, const std::string& path) {
    if (!file.commit()) return "Could not write \"" + path + "\": " + file.errorString().toStdString();
    return "";
}

}  // namespace

std::string EnsureGuiApplication() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return "";
    if (QCoreApplication::instance())
        return "Pages cannot be drawn: the program runs without graphics support.";
    bool hasDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!hasDisplay && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "quillbat";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);  // lives as long as the program
    (void)app;
    return "";
}

std::string PaintSheetPages(QPagedPaintDevice& device, const Workbook& book, int sheet,
                            const std::string& fileName) {
    if (std::string error = CheckSheet(book, sheet); !error.empty()) return error;
    PrintLayout layout = LayOutPrint(book, sheet);
    if (layout.pages.empty()) return NothingToPrint(book, sheet);
    device.setPageLayout(PageLayoutOf(layout));
    QPainter painter;
    if (!painter.begin(&device)) return "Could not start drawing the pages.";
    PageFields fields = FieldsOf(book, sheet, fileName, static_cast<int>(layout.pages.size()));
    for (int i = 0; i < static_cast<int>(layout.pages.size()); ++i) {
        if (i > 0 && !device.newPage()) return "Could not start page " + std::to_string(i + 1) + ".";
        PaintPage(painter, book, sheet, layout, i, fields);
    }
    if (!painter.end()) return "Could not finish drawing the pages.";
    return "";
}

std::string SaveSheetAsPdf(const Workbook& book, int sheet, const std::string& pdfPath,
                           const std::string& fileName) {
    if (std::string error = CheckSheet(book, sheet); !error.empty()) return error;
    QSaveFile file(QString::fromStdString(pdfPath));
    if (!file.open(QIODevice::WriteOnly))
        return "Could not write \"" + pdfPath + "\": " + file.errorString().toStdString();
    std::string error;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(book.sheets[sheet].name));
        writer.setCreator("Quillbat");
        error = PaintSheetPages(writer, book, sheet, fileName);
    }
    if (!error.empty()) {
        file.cancelWriting();
        return error;
    }
    return WriteFile(file, pdfPath);
}

std::string RenderPageImages(const Workbook& book, int sheet, double dpi,
                             std::vector<QImage>& pages, const std::string& fileName) {
    pages.clear();
    if (std::string error = CheckSheet(book, sheet); !error.empty()) return error;
    if (dpi < 1 || dpi > 1200) return "The image resolution must be between 1 and 1200 dots per inch.";
    PrintLayout layout = LayOutPrint(book, sheet);
    if (layout.pages.empty()) return NothingToPrint(book, sheet);
    PageFields fields = FieldsOf(book, sheet, fileName, static_cast<int>(layout.pages.size()));
    QSize size(qRound(layout.paperWidth * dpi / kPointsPerInch), qRound(layout.paperHeight * dpi / kPointsPerInch));
    for (int i = 0; i < static_cast<int>(layout.pages.size()); ++i) {
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull()) return "There is not enough memory for the page images.";
        image.setDotsPerMeterX(qRound(dpi * kInchesPerMeter));
        image.setDotsPerMeterY(qRound(dpi * kInchesPerMeter));
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintPage(painter, book, sheet, layout, i, fields);
        painter.end();
        pages.push_back(std::move(image));
    }
    return "";
}

std::string SavePageImages(const Workbook& book, int sheet, const std::string& stem, double dpi,
                           std::vector<std::string>& written) {
    written.clear();
    std::vector<QImage> pages;
    if (std::string error = RenderPageImages(book, sheet, dpi, pages); !error.empty()) return error;
    for (size_t i = 0; i < pages.size(); ++i) {
        std::string path = stem + "-" + std::to_string(i + 1) + ".png";
        QSaveFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly) || !pages[i].save(&file, "PNG"))
            return "Could not write \"" + path + "\": " + file.errorString().toStdString();
        if (std::string error = WriteFile(file, path); !error.empty()) return error;
        written.push_back(path);
    }
    return "";
}

}  // namespace quillbat::xls
