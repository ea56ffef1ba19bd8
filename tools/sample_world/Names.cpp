#include "Names.h"

namespace quillbat::sample {

std::string Initial(const std::string& name) {
    std::size_t length = 1;
    while (length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) ++length;
    return name.substr(0, length);
}

const std::vector<PersonName>& AwkwardNames() {
    static const std::vector<PersonName> names = {
        {"Ken", "Griffin Jr."},      {"Carl", "Ripley III"},     {"Iván", "de Jesus"},
        {"Luis", "de la Cruz"},      {"Ryan", "Van Dusen"},      {"Marcus", "St. Claire"},
        {"José", "Martínez"},        {"Adrián", "Beltrán"},      {"Yoán", "Núñez"},
        {"Jesús", "Peña"},           {"Sean", "O'Rourke"},       {"Tim", "Hollis Jr."},
        {"Héctor", "Ibáñez"},        {"Derek", "Van Slyke"},     {"Ángel", "Ramírez"},
    };
    return names;
}

namespace {

const std::vector<std::string>& FirstNames() {
    static const std::vector<std::string> names = {
        "Aaron", "Adam", "Alex", "Andrew", "Austin", "Ben", "Blake", "Brad", "Brandon", "Brett",
        "Brian", "Caleb", "Carlos", "Casey", "Chad", "Chris", "Cody", "Colin", "Corey", "Dan",
        "Danny", "David", "Drew", "Dustin", "Dylan", "Eddie", "Eric", "Evan", "Felix", "Frank",
        "Garrett", "Grant", "Greg", "Hunter", "Jack", "Jacob", "Jake", "James", "Jason", "Jeff",
        "Joe", "Joel", "Jon", "Jordan", "Josh", "Juan", "Justin", "Kevin", "Kyle", "Logan",
        "Luke", "Manny", "Mark", "Matt", "Michael", "Mike", "Miguel", "Nate", "Nick", "Noah",
        "Omar", "Pablo", "Pat", "Paul", "Pedro", "Rafael", "Ray", "Ricky", "Rob", "Ryan",
        "Sam", "Scott", "Shane", "Steve", "Taylor", "Todd", "Tom", "Tony", "Travis", "Trevor",
        "Tyler", "Victor", "Wade", "Will", "Zach"};
    return names;
}

const std::vector<std::string>& LastNames() {
    static const std::vector<std::string> names = {
        "Abbott", "Alder", "Ashby", "Baird", "Barlow", "Beck", "Bishop", "Blair", "Boone",
        "Bradley", "Brock", "Burke", "Cabrera", "Calder", "Carver", "Castro", "Chandler", "Cole",
        "Conley", "Crane", "Dalton", "Decker", "Dixon", "Doyle", "Duran", "Ellis", "Espino",
        "Farrell", "Fisher", "Fleming", "Flores", "Foley", "Garza", "Gibbs", "Gordon", "Grady",
        "Hale", "Hanley", "Harper", "Hayes", "Hendry", "Holt", "Hurley", "Ingram", "Jansen",
        "Keller", "Kemp", "Kirby", "Lacey", "Landry", "Larkin", "Lowry", "Lugo", "Madden",
        "Marsh", "Meade", "Mercer", "Molina", "Monroe", "Morrow", "Nash", "Nolan", "Ochoa",
        "Ortega", "Parrish", "Pierce", "Porter", "Quinn", "Ramos", "Reyes", "Rhodes", "Rios",
        "Royce", "Salas", "Santos", "Sawyer", "Shaw", "Slater", "Soto", "Stroud", "Sutton",
        "Tate", "Thorne", "Tovar", "Tucker", "Vance", "Vargas", "Wade", "Walsh", "Webb",
        "Whitley", "Wilder", "Wyatt", "Yates", "Zamora"};
    return names;
}

}  // namespace

PersonName NameMaker::Next() {
    for (;;) {
        PersonName name{random_.Pick(FirstNames()), random_.Pick(LastNames())};
        if (used_.insert(name.Display()).second) return name;
    }
}

}  // namespace quillbat::sample
