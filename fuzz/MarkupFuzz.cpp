// Any bytes as a downloaded page: splitting rows into cells and reducing markup to text never
// crash, and the text is never more than twice the markup (a line break becomes CR LF).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sites/MarkupText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view page(reinterpret_cast<const char*>(data), size);
    quillbat::CellList cells;
    quillbat::ParseTDs(page, cells);
    quillbat::ParseTHs(page, cells);
    if (quillbat::HtmlToText(page).size() > 2 * page.size()) std::abort();
    quillbat::RemoveSupTags(page);
    quillbat::RemoveOnMouseOver(page);
    quillbat::ReplaceEntities(page);
    return 0;
}
