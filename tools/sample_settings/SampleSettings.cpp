#include "SampleSettings.h"

#include <filesystem>

#include "SampleTree.h"
#include "Schedule.h"
#include "platform/IniFile.h"

namespace quillbat::sample {

std::vector<SampleSource> SampleSources(int port, const std::string& provider) {
    const std::string suffix = ".localhost:" + std::to_string(port);
    auto host = [&](const char* name) { return "http://" + std::string(name) + suffix; };
    return {{"GamedayHost", host(kGamedayHost)},
            {"TeamSiteDomain", "localhost:" + std::to_string(port)},
            {"FanGraphsHost", host(kFanGraphsHost)},
            {"BaseballReferenceHost", host(kBaseballReferenceHost)},
            {"ESPNHost", host(kEspnHost)},
            {"UpdateHost", host(kUpdateHost)},
            {"StatsApiHost", host(kStatsApiHost)},
            {"Provider", provider},
            {"SampleData", "Y"}};
}

bool WriteSampleSettings(const std::string& iniPath, int port, const std::string& provider) {
    bool written = true;
    for (const SampleSource& source : SampleSources(port, provider))
        written = WriteIniValue(iniPath, "Sources", source.key, source.value) && written;
    // Sample workbooks go beside the sample program, not over real ones in ~/Documents.
    if (ReadIniValue(iniPath, "Config", "OutputDir").empty()) {
        std::string folder = std::filesystem::absolute(iniPath).parent_path().string();
        written = WriteIniValue(iniPath, "Config", "OutputDir", folder + "/Output") && written;
    }
    return WriteIniValue(iniPath, "Config", "DefaultDate", kLineupsDay) && written;
}

}  // namespace quillbat::sample
