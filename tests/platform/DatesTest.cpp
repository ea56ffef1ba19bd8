#include "platform/DateEntry.h"
#include "platform/Dates.h"

#include <gtest/gtest.h>

#include "ScriptedUi.h"

namespace quillbat {
namespace {

const Date kToday{2014, 7, 4};

TEST(ParseDateTest, AcceptedForms) {
    struct Case {
        const char* text;
        Date date;
    } cases[] = {
        {"04/05/2014", {2014, 4, 5}},   {"4/5/2014", {2014, 4, 5}},   {"4/5/14", {2014, 4, 5}},
        {"12/31/29", {2029, 12, 31}},   {"1/1/30", {1930, 1, 1}},     {"4/5", {2014, 4, 5}},
        {" 2/29/2012 ", {2012, 2, 29}}, {"2014-07-04", {2014, 7, 4}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDate(c.text, kToday), std::optional(c.date)) << c.text;
}

TEST(ParseDateTest, RejectedForms) {
    for (const char* text : {"", "13/1/2014", "0/1/2014", "2/30/2014", "2/29/2013", "4/31/2014", "040514",
                             "12345", "4/5/201", "a/b/c", "4//2014", "4/5/2014/1", "14-07-04", "4-5"})
        EXPECT_FALSE(ParseDate(text, kToday).has_value()) << text;
}

struct EntryCase {
    const char* typed;
    bool rejected;
    const char* shown;  // the box's text afterwards
    const char* message;  // "" when none
    bool allowFuture = true;
    bool reformat = true;
};

TEST(ValidateDateEntryTest, ReformatsOrSaysWhyNot) {
    const EntryCase cases[] = {
        {"040514", false, "04/05/2014", ""},
        {"04052014", false, "04/05/2014", ""},
        {"04.05.14", false, "04/05/2014", ""},
        {"04.05.2014", false, "04/05/2014", ""},
        {"0405", false, "04/05/2014", ""},
        {"7/4/14", false, "07/04/2014", ""},
        {"12/25/2015", false, "12/25/2015", ""},
        {"", false, "", ""},
        {"   ", false, "", ""},
        {"12345", true, "12345", "Invalid date!"},
        {"13/45/2014", true, "13/45/2014", "Invalid date!"},
        {"133114", true, "133114", "Invalid date!"},
        {"tomorrow", true, "tomorrow", "Invalid date!"},
        {"7/5/2014", true, "07/05/2014", "Date can not be in the future!", false},  // reformatted anyway
        {"070414", false, "070414", "", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        testing::ScriptedUi ui;
        std::string box = c.typed;
        EXPECT_EQ(ValidateDateEntry(box, c.allowFuture, c.reformat, kToday, ui), c.rejected);
        EXPECT_EQ(box, c.shown);
        EXPECT_EQ(ui.MessageLines(), *c.message ? std::vector<std::string>{std::string("Oops: ") + c.message}
                                                : std::vector<std::string>{});
        for (const auto& m : ui.messages) EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    }
}

}  // namespace
}  // namespace quillbat
