#pragma once
// The check made when the user leaves a date box.

#include <string>

#include "platform/Dates.h"
#include "platform/Ui.h"

namespace quillbat {

// Checks (and, with reformat, rewrites as "MM/DD/YYYY") the text of a date box. Digits typed
// without separators are accepted as mmdd, mmddyy and mmddyyyy; "." works as "/". A blank box
// is accepted. Returns true when the entry must be rejected, after telling the user why.
bool ValidateDateEntry(std::string& boxText, bool futureAllowed, bool reformat, const Date& today,
                       Ui& ui);

}  // namespace quillbat
