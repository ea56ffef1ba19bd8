#include "platform/DateEntry.h"

#include "platform/TextFunctions.h"

namespace quillbat {

namespace {

// The date typed as bare digits, rebuilt with separators.
std::optional<Date> FromBareDigits(const std::string& text, const Date& today) {
    std::string rebuilt;
    switch (text.size()) {
        case 4: rebuilt = text.substr(0, 2) + "/" + text.substr(2, 2); break;
        case 6: rebuilt = text.substr(0, 2) + "/" + text.substr(2, 2) + "/" + text.substr(4, 2); break;
        case 8: rebuilt = text.substr(0, 2) + "/" + text.substr(2, 2) + "/" + text.substr(4, 4); break;
        default: return std::nullopt;
    }
    return ParseDate(rebuilt, today);
}

}  // namespace

bool ValidateDateEntry(std::string& boxText, bool futureAllowed, bool reformat, const Date& today,
                       Ui& ui) {
    std::string text = TrimBlanks(ReplaceAll(boxText, ".", "/"));
    std::optional<Date> date;
    bool valid = text.empty();
    if (!valid) {
        date = ParseDate(text, today);
        if (!date) date = FromBareDigits(text, today);
        valid = date.has_value();
    }
    if (!valid) {
        ui.Message(MsgIcon::Exclamation, "Oops", "Invalid date!");
        return true;
    }
    bool reject = false;
    if (date && !futureAllowed && *date > today) {
        ui.Message(MsgIcon::Exclamation, "Oops", "Date can not be in the future!");
        reject = true;
    }
    if (reformat) boxText = date ? FormatDate(*date) : "";
    return reject;
}

}  // namespace quillbat
