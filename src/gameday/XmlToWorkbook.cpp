#include "gameday/XmlToWorkbook.h"

#include "gameday/DownloadLogs.h"
#include "gameday/FlatTableWriter.h"
#include "gameday/GamedayAddresses.h"
#include "platform/FileSystem.h"

namespace quillbat {

std::string ReadXmlFlatTable(const std::string& xmlPath, FlatTable& table) {
    std::string xml;
    if (!ReadWholeFile(xmlPath, xml)) return "cannot read " + xmlPath;
    std::string error = ParseFlatTable(xml, table);
    return error.empty() ? "" : xmlPath + ": " + error;
}

std::string ConvertXmlToWorkbook(const Settings& settings, const std::string& xmlPath) {
    std::string xlsPath = FlatTablePath(xmlPath);
    if (xlsPath.empty()) return xmlPath + ": not an .xml file name";
    if (FileExists(xlsPath)) DeleteFile(xlsPath);
    if (!FileExists(xmlPath)) return "cannot read " + xmlPath;

    FlatTable table;
    std::string error = ReadXmlFlatTable(xmlPath, table);
    if (!error.empty()) {
        AppendErrorLog(settings, "Could not convert " + error);
        return error;
    }
    return WriteFlatTable(table, xlsPath);
}

}  // namespace quillbat
