#include "gameday/UniqueNames.h"

namespace quillbat {

std::string UniqueNames::Take(const std::string& name) {
    ++tries_;
    if (taken_.insert(name).second) return name;
    long& number = nextNumber_.try_emplace(name, 2).first->second;
    for (;; ++number) {
        ++tries_;
        std::string candidate = name + std::to_string(number);
        if (taken_.insert(candidate).second) {
            ++number;
            return candidate;
        }
    }
}

}  // namespace quillbat
