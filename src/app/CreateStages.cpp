#include "app/CreateStages.h"

#include "app/LineupsStage.h"
#include "app/PlayerDataStage.h"

namespace quillbat {

CreateStages CreateStages::Available() {
    // The workbook stages are added here as they are built.
    CreateStages stages;
    stages.readLineups = ReadLineupsStage;
    stages.getPlayerData = GetPlayerDataStage;
    return stages;
}

}  // namespace quillbat
