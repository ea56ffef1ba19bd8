// Any text typed as a date or read as a number: a date that is read is a real calendar date that
// reads back the same from its "MM/DD/YYYY" form; a number read is finite or zero; formatting
// any number with any format code gives a bounded text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzBudget.h"
#include "platform/Dates.h"
#include "platform/NumberFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillbat::fuzz::FuzzBudget budget;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const quillbat::Date today{2014, 7, 4};

    if (auto date = quillbat::ParseDate(text, today)) {
        if (!quillbat::IsValidDate(date->year, date->month, date->day)) std::abort();
        auto again = quillbat::ParseDate(quillbat::FormatDate(*date), today);
        if (!again || *again != *date) std::abort();
    }

    double number = quillbat::LeadingNumber(text);
    if (std::isnan(number)) std::abort();
    double value = 0;
    if (size >= sizeof value) std::memcpy(&value, data, sizeof value);
    std::string_view format = text.substr(std::min(size, sizeof value), 32);
    if (quillbat::FormatNumber(value, format).size() > 400 + format.size()) std::abort();
    return 0;
}
