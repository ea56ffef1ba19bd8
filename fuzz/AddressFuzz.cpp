// Any text as a date, a game id or a player id from a downloaded file, turned into gameday
// addresses and local file names: an address is either refused ("") or stays inside the
// gameday tree and the temporary folder, and the URL handed to libcurl holds no blank or
// control byte.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzBudget.h"
#include "gameday/GamedayAddresses.h"
#include "gameday/Transfer.h"
#include "gameday/wininet.h"

namespace {

bool LeavesItsFolder(std::string_view part) {
    return part.find('/') != std::string_view::npos || part.find('\\') != std::string_view::npos ||
           part.find("..") != std::string_view::npos || part.find('\0') != std::string_view::npos;
}

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillbat::fuzz::FuzzBudget budget;
    std::string text(reinterpret_cast<const char*>(data), size);

    std::string datePath = quillbat::GamedayDatePath(text);
    Check(datePath.empty() || datePath.size() == std::string("year_2014/month_07/day_04").size());

    std::string folder = quillbat::GameFolder(text);
    Check(folder.empty() || (folder == "gid_" + text && !LeavesItsFolder(text)));
    std::string gameUrl = quillbat::GameUrl("http://h/components/game/mlb/year_2014/month_07/day_04", folder);
    Check(folder.empty() == gameUrl.empty());

    bool playerId = quillbat::IsPlayerId(text);
    std::string playerUrl = quillbat::PlayerGameUrl("http://h/g", text, true);
    Check(playerUrl.empty() != playerId);
    std::string local = quillbat::PlayerGameFile("/tmp/quillbat", text);
    Check(local.empty() || (playerId && local == "/tmp/quillbat/" + text + "_game.xml"));

    std::string encoded = quillbat::EncodeUnsafeUrlBytes(quillbat::CompleteUrl(text));
    for (unsigned char c : encoded) Check(c > 0x20 && c < 0x7F);
    std::string flat = quillbat::FlatTablePath(text);
    Check(flat.empty() || flat.size() == text.size());
    return 0;
}
