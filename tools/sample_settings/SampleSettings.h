#pragma once
// Points a program folder's settings file at the sample server: every data source on a
// sample host at the server's port, the start date on the sample day whose lineups are
// posted, and the mark that tells the program it shows sample data.

#include <string>
#include <vector>

namespace quillbat::sample {

// The [Sources] keys and their sample values for a server on 127.0.0.1:port.
struct SampleSource {
    const char* key;
    std::string value;
};
// provider is the [Sources] Provider value: "gameday" (the historical files) or "statsapi".
std::vector<SampleSource> SampleSources(int port, const std::string& provider = "gameday");

// Writes [Sources] (the sample hosts, Provider and SampleData=Y), [Config] DefaultDate and, when none is
// set, [Config] OutputDir (an Output folder beside the file) into the file, keeping every
// other line. False when the file cannot be written.
bool WriteSampleSettings(const std::string& iniPath, int port, const std::string& provider = "gameday");

}  // namespace quillbat::sample
