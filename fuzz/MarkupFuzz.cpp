// Any bytes as a downloaded page: splitting rows into cells and reducing markup to text never
// crash, the text is never more than twice the markup (a line break becomes CR LF), and no
// closed superscript is left. Inputs are kept to a few KB with a tight time budget, so many
// inputs a second are tried.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzBudget.h"
#include "sites/MarkupText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    quillbat::fuzz::FuzzBudget budget(std::chrono::milliseconds(300));
    std::string_view page(reinterpret_cast<const char*>(data), size);
    quillbat::CellList cells;
    quillbat::ParseTDs(page, cells);
    quillbat::ParseTHs(page, cells);
    if (quillbat::HtmlToText(page).size() > 2 * page.size()) std::abort();
    std::string noSup = quillbat::RemoveSupTags(page);
    std::size_t open = quillbat::FindNoCase(noSup, "<sup>");
    if (open != std::string::npos && quillbat::FindNoCase(noSup, "</sup>", open + 1) != std::string::npos)
        std::abort();
    quillbat::RemoveOnMouseOver(page);
    quillbat::ReplaceEntities(page);
    return 0;
}
