#pragma once
// The checks a Create run makes before it downloads anything.

#include "app/AppContext.h"
#include "workbooks/TemplateNames.h"

namespace quillbat {

// True when the run may go on. Tells the user when no game is listed or nothing is ticked,
// and turns an output off (for this run and later ones, not its check box) when its template
// is missing.
bool CheckCreateRequest(AppContext& ctx, bool gameListHasEntries);

}  // namespace quillbat
