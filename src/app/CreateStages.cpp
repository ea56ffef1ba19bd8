#include "app/CreateStages.h"

#include "app/LineupsStage.h"

namespace quillbat {

CreateStages CreateStages::Available() {
    // The player data collector and the workbook stages are added here as they are built.
    CreateStages stages;
    stages.readLineups = ReadLineupsStage;
    return stages;
}

}  // namespace quillbat
