#include "gameday/FetchTable.h"

#include "gameday/GamedayAddresses.h"
#include "gameday/XmlToWorkbook.h"

namespace quillbat {

FetchedTable FetchFlatTable(const NetSession& session, const std::string& url, const std::string& localPath) {
    FetchedTable fetched;
    fetched.error = DownloadFile(session, url, localPath);
    if (!fetched.error.empty()) return fetched;
    fetched.conversionError = ConvertXmlToWorkbook(session.settings, localPath);
    fetched.tablePath = FlatTablePath(localPath);
    return fetched;
}

}  // namespace quillbat
