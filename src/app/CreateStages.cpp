#include "app/CreateStages.h"

namespace quillbat {

CreateStages CreateStages::Available() {
    // The lineup reader, the player data collector and the workbook stages are added here
    // as they are built.
    return CreateStages{};
}

}  // namespace quillbat
