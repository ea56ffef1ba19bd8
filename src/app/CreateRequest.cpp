#include "app/CreateRequest.h"

#include "platform/FileSystem.h"

namespace quillbat {

namespace {

void CheckTemplate(AppContext& ctx, bool& flag, const char* name, const char* what) {
    std::string path = JoinPath(ctx.settings.templatesDir, name);
    if (!flag || FileExists(path)) return;
    ctx.ui.Message(MsgIcon::Exclamation, "",
                   std::string("Could not locate ") + what + " template file:\r\n\r\n" + path + "!");
    flag = false;
}

}  // namespace

bool CheckCreateRequest(AppContext& ctx, bool gameListHasEntries) {
    Settings& s = ctx.settings;
    if (!gameListHasEntries) {
        ctx.ui.Message(MsgIcon::Exclamation, "No Game Selected",
                       "Please select the game you want to create scorecards for!");
        return false;
    }
    if (!s.createScorecards && !s.createRosters && !s.createPitcherProfiles) {
        ctx.ui.Message(MsgIcon::Exclamation, "No Output Selected", "Please check on which items you want to create!");
        return false;
    }
    CheckTemplate(ctx, s.createScorecards, kScorecardTemplate, "scorecard");
    CheckTemplate(ctx, s.createRosters, kRostersTemplate, "rosters");
    CheckTemplate(ctx, s.createPitcherProfiles, kPitcherProfilesTemplate, "pitchers");
    return s.createScorecards || s.createRosters || s.createPitcherProfiles;
}

}  // namespace quillbat
