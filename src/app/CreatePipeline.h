#pragma once
// The Create button's run: checks, the game's box score and players list, the stages in
// their fixed order, and one closing message.

#include "app/AppContext.h"
#include "app/CreateStages.h"

namespace quillbat {

enum class CreateOutcome {
    NotStarted,  // a check stopped it before anything was downloaded
    Declined,  // the user chose not to go on without lineups
    Failed,  // a stage could not finish
    Errors,  // finished; some downloads failed (see the error log)
    Success,
};

// gameNumber is the chosen entry's game (from 1); gameListHasEntries whether the list holds any.
CreateOutcome RunCreate(AppContext& ctx, const CreateStages& stages, bool gameListHasEntries, int gameNumber);

}  // namespace quillbat
