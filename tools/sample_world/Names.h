#pragma once
// Invented player names: plain ones drawn from lists, and a fixed set of names that the
// name-handling code must cope with (suffixes, surname particles, accents, apostrophes).

#include <set>
#include <string>
#include <vector>

#include "Random.h"

namespace quillbat::sample {

struct PersonName {
    std::string first;  // "Ken"
    std::string last;   // "Griffin Jr.", "de Jesus", "Van Dusen"
    std::string Display() const { return first + " " + last; }  // first name first
};

// The first letter of a name, whole even when it takes several bytes ("Á").
std::string Initial(const std::string& name);

// Names every sample world holds, each given to one player, in this order.
const std::vector<PersonName>& AwkwardNames();

class NameMaker {
public:
    explicit NameMaker(Random& random) : random_(random) {}
    // A name not given out before.
    PersonName Next();

private:
    Random& random_;
    std::set<std::string> used_;
};

}  // namespace quillbat::sample
