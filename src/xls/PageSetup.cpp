#include "xls/PageSetup.h"

#include "xls/ByteIo.h"
#include "xls/Utf.h"
#include "xls/XlString.h"

namespace quillbat::xls {
namespace {

constexpr size_t kMaxFooterChars = 255;
constexpr size_t kSetupSize = 34, kFooterMarginAt = 24;

std::string FooterText(const Sheet& sheet) {
    const Record* footer = sheet.Find(rec::kFooter);
    if (!footer || footer->data.empty()) return "";
    ByteReader in(footer->data);
    return ReadXlString(in);
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
