#include "workbooks/WorkbookGame.h"

#include <utility>

namespace quillbat {

std::string WriteGameHeading(ExcelWorksheet& sheet, const WorkbookGame& game,
                             const std::function<std::string(const std::string& name)>& missing) {
    for (auto [name, value] : {std::pair{"visitor", &game.awayTitle},
                               {"home", &game.homeTitle},
                               {"stadium", &game.venue},
                               {"date", &game.gameDate}}) {
        ExcelRange cell = sheet.Range(name);
        if (!cell.IsValid()) return missing(name);
        std::string error = cell.SetValue(std::string_view(xls::DisplayText(cell.Value()) + " " + *value));
        if (!error.empty()) return error;
    }
    return "";
}

}  // namespace quillbat
