#pragma once
// A worksheet's printed pages drawn onto paged devices (PDF files, printers) and into page
// images. Drawing needs a Qt GUI application object; the calls create an off-screen one when
// the program has none. Errors are returned as text ("" on success).

#include <string>
#include <vector>

#include <QImage>

#include "xls/Workbook.h"

class QPagedPaintDevice;

namespace quillbat::xls {

// Makes sure fonts and painting work: "" or why they cannot (another kind of Qt application
// object already exists).
std::string EnsureGuiApplication();

// Sets the device's page to the sheet's paper and orientation and draws every page on it.
// `fileName` is what &F prints.
std::string PaintSheetPages(QPagedPaintDevice& device, const Workbook& book, int sheet,
                            const std::string& fileName);

// Writes the sheet's pages as a PDF file, through a temporary file so that no half-written
// file is left behind.
std::string SaveSheetAsPdf(const Workbook& book, int sheet, const std::string& pdfPath,
                           const std::string& fileName = "");

// The pages as images at `dpi` dots per inch, white paper.
std::string RenderPageImages(const Workbook& book, int sheet, double dpi,
                             std::vector<QImage>& pages, const std::string& fileName = "");
// The same saved as PNG files "<stem>-1.png", "<stem>-2.png", ...; `written` lists them.
std::string SavePageImages(const Workbook& book, int sheet, const std::string& stem, double dpi,
                           std::vector<std::string>& written);

}  // namespace quillbat::xls
