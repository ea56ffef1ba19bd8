#include "sites/PageLines.h"

namespace quillbat {

bool PageLines::Next(std::string& line) {
    if (at_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', at_);
    if (end == std::string::npos) end = text_.size();
    std::size_t stop = end;
    while (stop > at_ && text_[stop - 1] == '\r') --stop;
    line.assign(text_, at_, stop - at_);
    at_ = end + 1;
    return true;
}

}  // namespace quillbat
