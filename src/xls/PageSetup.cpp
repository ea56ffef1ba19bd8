#include "xls/PageSetup.h"

#include "xls/ByteIo.h"
#include "platform/Utf8.h"
#include "xls/XlString.h"

namespace quillbat::xls {
namespace {

constexpr size_t kMaxFooterChars = 255;
constexpr size_t kSetupSize = 34, kFooterMarginAt = 24;

constexpr uint16_t kWsBool = 0x0081, kPrintGridlines = 0x002B, kRowBreaks = 0x001B,
                   kColumnBreaks = 0x001A;
constexpr uint16_t kSetupLeftToRight = 0x01;
constexpr uint16_t kSetupPortrait = 0x02, kSetupNoPrinter = 0x04, kSetupNoOrientation = 0x40;
constexpr uint16_t kWsBoolFitToPage = 0x0100;

std::string HeaderFooterText(const Sheet& sheet, uint16_t type) {
    const Record* record = sheet.Find(type);
    if (!record || record->data.empty()) return "";
    ByteReader in(record->data);
    return ReadXlString(in);
}

std::string FooterText(const Sheet& sheet) {
    return HeaderFooterText(sheet, rec::kFooter);
}

void ReadMargin(const Sheet& sheet, uint16_t type, double& margin) {
    const Record* record = sheet.Find(type);
    if (record && record->data.size() >= 8) margin = GetF64At(record->data, 0);
}

void ReadSetup(const Sheet& sheet, PageSettings& page) {
    const Record* setup = sheet.Find(rec::kSetup);
    if (!setup || setup->data.size() < kSetupSize) return;
    const std::string& d = setup->data;
    uint16_t flags = GetU16At(d, 10);
    page.headerMargin = GetF64At(d, 16);
    page.footerMargin = GetF64At(d, kFooterMarginAt);
    page.fitWidth = GetU16At(d, 6);
    page.fitHeight = GetU16At(d, 8);
    page.overThenDown = flags & kSetupLeftToRight;
    if (flags & kSetupNoPrinter) return;
    page.paperSize = GetU16At(d, 0);
    page.scalePercent = GetU16At(d, 2) ? GetU16At(d, 2) : 100;
    page.landscape = !(flags & kSetupNoOrientation) && !(flags & kSetupPortrait);
}

bool FlagRecord(const Sheet& sheet, uint16_t type) {
    const Record* record = sheet.Find(type);
    return record && GetU16At(record->data, 0) != 0;
}

// The first field of each 6-byte entry of a page-break record.
std::vector<int> PageBreaks(const Sheet& sheet, uint16_t type) {
    std::vector<int> out;
    const Record* record = sheet.Find(type);
    if (!record) return out;
    size_t count = GetU16At(record->data, 0);
    for (size_t i = 0; i < count && 2 + 6 * (i + 1) <= record->data.size(); ++i)
        out.push_back(GetU16At(record->data, 2 + 6 * i));
    return out;
}

// A SETUP record that says only the margins count (fNoPls), portrait, 100 %, one copy.
std::string DefaultSetup() {
    std::string d;
    for (uint16_t v : {0, 100, 1, 1, 1, 0x0006, 0, 0}) PutU16(d, v);
    PutF64(d, 0.5);
    PutF64(d, 0.5);
    PutU16(d, 1);
    return d;
}

}  // namespace

FooterSections SplitSections(const std::string& text) {
    FooterSections s;
    std::string* current = &s.center;  // text before any section code is centred
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            char code = text[i + 1];
            if (code == 'L' || code == 'l') {
                current = &s.left;
                ++i;
                continue;
            }
            if (code == 'C' || code == 'c') {
                current = &s.center;
                ++i;
                continue;
            }
            if (code == 'R' || code == 'r') {
                current = &s.right;
                ++i;
                continue;
            }
            current->push_back(text[i]);
            current->push_back(text[++i]);  // keeps "&&", "&P" and the like whole
            continue;
        }
        current->push_back(text[i]);
    }
    return s;
}

std::string JoinSections(const FooterSections& s) {
    std::string out;
    if (!s.left.empty()) out += "&L" + s.left;
    if (!s.center.empty()) out += "&C" + s.center;
    if (!s.right.empty()) out += "&R" + s.right;
    return out;
}

std::string CenterFooter(const Sheet& sheet) {
    return SplitSections(FooterText(sheet)).center;
}

std::string SetCenterFooter(Sheet& sheet, const std::string& text) {
    FooterSections sections = SplitSections(FooterText(sheet));
    sections.center = text;
    std::string joined = JoinSections(sections);
    if (Utf8ToUtf16(joined).size() > kMaxFooterChars)
        return "The footer text is longer than 255 characters.";
    std::string data;
    if (!joined.empty()) AppendXlString(data, joined);
    Record* footer = sheet.Find(rec::kFooter);
    if (!footer) {
        footer = &sheet.InsertBefore(
            {rec::kHCenter, rec::kVCenter, rec::kLeftMargin, rec::kRightMargin, rec::kTopMargin,
             rec::kBottomMargin, rec::kSetup, rec::kDefColWidth, rec::kColInfo, slot::kDimensions},
            {rec::kFooter, {}});
    }
    footer->data = std::move(data);
    return "";
}

double FooterMargin(const Sheet& sheet) {
    const Record* setup = sheet.Find(rec::kSetup);
    return setup && setup->data.size() >= kSetupSize ? GetF64At(setup->data, kFooterMarginAt) : 0.5;
}

void SetFooterMargin(Sheet& sheet, double inches) {
    Record* setup = sheet.Find(rec::kSetup);
    if (!setup)
        setup = &sheet.InsertBefore({rec::kDefColWidth, rec::kColInfo, slot::kDimensions},
                                    {rec::kSetup, DefaultSetup()});
    if (setup->data.size() < kSetupSize) setup->data.resize(kSetupSize, '\0');
    SetF64At(setup->data, kFooterMarginAt, inches);
}

PageSettings ReadPageSettings(const Sheet& sheet) {
    PageSettings page;
    page.header = HeaderFooterText(sheet, rec::kHeader);
    page.footer = FooterText(sheet);
    ReadMargin(sheet, rec::kLeftMargin, page.leftMargin);
    ReadMargin(sheet, rec::kRightMargin, page.rightMargin);
    ReadMargin(sheet, rec::kTopMargin, page.topMargin);
    ReadMargin(sheet, rec::kBottomMargin, page.bottomMargin);
    ReadSetup(sheet, page);
    const Record* wsBool = sheet.Find(kWsBool);
    page.fitToPages = wsBool && (GetU16At(wsBool->data, 0) & kWsBoolFitToPage);
    page.centerHorizontally = FlagRecord(sheet, rec::kHCenter);
    page.centerVertically = FlagRecord(sheet, rec::kVCenter);
    page.printGridlines = FlagRecord(sheet, kPrintGridlines);
    page.rowBreaks = PageBreaks(sheet, kRowBreaks);
    page.columnBreaks = PageBreaks(sheet, kColumnBreaks);
    return page;
}

void SelectA1(Sheet& sheet) {
    bool found = false;
    for (Record& r : sheet.records) {
        if (r.type != rec::kSelection) continue;
        uint8_t pane = r.data.empty() ? 3 : static_cast<uint8_t>(r.data[0]);
        std::string d;
        PutU8(d, pane);
        for (uint16_t v : {0, 0, 0, 1, 0, 0}) PutU16(d, v);
        PutU16(d, 0);  // first and last column, one byte each
        r.data = d;
        found = true;
    }
    if (!found) {
        std::string d;
        PutU8(d, 3);
        for (uint16_t v : {0, 0, 0, 1, 0, 0, 0}) PutU16(d, v);
        for (size_t i = 0; i < sheet.records.size(); ++i) {
            if (sheet.records[i].type == rec::kWindow2) {
                sheet.records.insert(sheet.records.begin() + static_cast<long>(i) + 1,
                                     {rec::kSelection, d});
                break;
            }
        }
    }
}

}  // namespace quillbat::xls
