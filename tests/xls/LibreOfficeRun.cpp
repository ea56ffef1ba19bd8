#include "LibreOfficeRun.h"

#include <filesystem>
#include <regex>
#include <sstream>

#include "platform/Process.h"

namespace quillbat::testing {
namespace {

// The jobs are read from a file, one a line, its three fields separated by tabs.
const char* const kDumpMacro = R"(
Sub RunJobs(jobs As String)
    Dim f As Integer, line As String, parts
    WaitForDesktop()
    f = FreeFile
    Open jobs For Input As #f
    Do While Not EOF(f)
        Line Input #f, line
        parts = Split(line, Chr(9))
        If UBound(parts) = 2 Then DumpAfterEdit(parts(0), parts(1), parts(2))
    Loop
    Close #f
End Sub

Sub WaitForDesktop()
    Dim doc As Object, args(0) As New com.sun.star.beans.PropertyValue
    args(0).Name = "Hidden"
    args(0).Value = True
    On Error Resume Next
    For attempt = 1 To 60
        doc = Nothing
        doc = StarDesktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, args())
        If Not IsNull(doc) Then
            doc.close(True)
            Exit Sub
        End If
        Wait 500
    Next attempt
End Sub

Sub DumpAfterEdit(source As String, edit As String, target As String)
    Dim f As Integer, args(0) As New com.sun.star.beans.PropertyValue
    f = FreeFile
    Open target For Output As #f
    On Error GoTo Failed
    args(0).Name = "Hidden"
    args(0).Value = True
    doc = StarDesktop.loadComponentFromURL(ConvertToURL(source), "_blank", 0, args())
    If edit <> "" Then
        sheet = doc.Sheets.getByIndex(0)
        sheet.removeRange(sheet.getCellRangeByName(edit).RangeAddress, com.sun.star.sheet.CellDeleteMode.UP)
    End If
    doc.calculateAll()
    For s = 0 To doc.Sheets.Count - 1
        sheet = doc.Sheets.getByIndex(s)
        cursor = sheet.createCursor()
        cursor.gotoEndOfUsedArea(False)
        Print #f, "sheet " & sheet.Name
        For r = 0 To cursor.RangeAddress.EndRow
            row = sheet.Rows.getByIndex(r)
            Print #f, "row " & (r + 1) & IIf(row.OptimalHeight, "", " " & row.Height) & IIf(row.IsVisible, "", " hidden")
            For c = 0 To cursor.RangeAddress.EndColumn
                cell = sheet.getCellByPosition(c, r)
                If cell.Type <> com.sun.star.table.CellContentType.EMPTY Then
                    Print #f, cell.AbsoluteName & " " & cell.Formula & " | " & cell.String & IIf(cell.CellBackColor = -1, "", " bg " & Hex(cell.CellBackColor))
                End If
            Next c
        Next r
        For i = 0 To sheet.DrawPage.Count - 1
            shape = sheet.DrawPage.getByIndex(i)
            Print #f, "shape " & shape.Position.X & " " & shape.Position.Y & " " & shape.Size.Width & " " & shape.Size.Height & AnchorText(shape) & PictureText(shape)
        Next i
    Next s
    doc.close(True)
    Close #f
    Exit Sub
Failed:
    Print #f, "error " & Error$
    Close #f
End Sub

Function AnchorText(shape) As String
    anchor = shape.Anchor
    AnchorText = ""
    If HasUnoInterfaces(anchor, "com.sun.star.sheet.XCellAddressable") Then AnchorText = " at " & anchor.AbsoluteName & " " & anchor.Position.X & " " & anchor.Position.Y & " " & anchor.Size.Width & " " & anchor.Size.Height
End Function

Function PictureText(shape) As String
    PictureText = ""
    If shape.ShapeType <> "com.sun.star.drawing.GraphicObjectShape" Then Exit Function
    If IsNull(shape.Graphic) Then
        PictureText = " empty"
    Else
        PictureText = " picture " & shape.Graphic.SizePixel.Width & "x" & shape.Graphic.SizePixel.Height
    End If
End Function
)";

std::vector<std::string> SofficeArguments(const TempFolder& folder) {
    return {"timeout", "180", "soffice", "-env:UserInstallation=file://" + folder.path() + "/profile",
            "--headless"};
}

// LibreOffice reads its own copy of a file, under the same name: it locks a file it opens, and
// another test's LibreOffice opening the same file meanwhile finds it in use and loads nothing.
std::string PrivateCopy(const TempFolder& folder, const std::string& file, std::size_t index) {
    std::filesystem::path copy = std::filesystem::path(folder / "sources") / std::to_string(index);
    std::filesystem::create_directories(copy);
    copy /= std::filesystem::path(file).filename();
    std::error_code error;
    std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing, error);
    return copy.string();
}

bool RunJobsOnce(const TempFolder& folder, const std::vector<LibreOfficeJob>& jobs) {
    // LibreOffice fills a new profile with its own empty macro module: make it first.
    std::vector<std::string> argv = SofficeArguments(folder);
    if (!std::filesystem::exists(folder / "profile/user/basic/Standard")) {
        argv.push_back("--terminate_after_init");
        if (!RunAndCapture(argv)) return false;
        argv.pop_back();
    }
    folder.Write("profile/user/basic/Standard/Module1.xba",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<script:module "
                 "xmlns:script=\"http://openoffice.org/2000/script\" script:name=\"Module1\" "
                 "script:language=\"StarBasic\"><![CDATA[" +
                     std::string(kDumpMacro) + "]]></script:module>\n");
    std::string list;
    for (std::size_t i = 0; i < jobs.size(); ++i)
        list += PrivateCopy(folder, jobs[i].source, i) + '\t' + jobs[i].edit + '\t' + jobs[i].target + '\n';
    argv.push_back("macro:///Standard.Module1.RunJobs(\"" + folder.Write("jobs.txt", list) + "\")");
    return RunAndCapture(argv).has_value();
}

}  // namespace

bool HasLibreOffice() { return !FindOnPath("soffice").empty(); }

bool ConvertWithLibreOffice(const TempFolder& folder, const std::string& format,
                            const std::vector<std::string>& files) {
    std::vector<std::string> argv = SofficeArguments(folder);
    argv.insert(argv.end(), {"--convert-to", format, "--outdir", folder / "out"});
    for (std::size_t i = 0; i < files.size(); ++i) argv.push_back(PrivateCopy(folder, files[i], i));
    return RunAndCapture(argv).has_value();
}

// A macro started from the command line may run before LibreOffice's desktop is ready, and then
// its first load fails ("Object variable not set"). The macro first waits until an empty
// document opens, and a job that failed all the same is run once more. Each job reads its own
// copy of its file (see PrivateCopy).
bool RunLibreOfficeJobs(const TempFolder& folder, const std::vector<LibreOfficeJob>& jobs) {
    if (!RunJobsOnce(folder, jobs)) return false;
    std::vector<LibreOfficeJob> again;
    for (const LibreOfficeJob& job : jobs)
        if (std::string shown = ReadFile(job.target); shown.empty() || shown.starts_with("error "))
            again.push_back(job);
    if (!again.empty() && !RunJobsOnce(folder, again)) return false;
    for (const LibreOfficeJob& job : jobs)
        if (!std::filesystem::exists(job.target)) return false;
    return true;
}

ShownShape ParseShownShape(const std::string& line) {
    ShownShape s;
    std::istringstream in(line);
    std::string word;
    in >> word >> s.x >> s.y >> s.width >> s.height >> word;
    if (word == "at") in >> s.cell >> s.cellX >> s.cellY >> s.cellWidth >> s.cellHeight >> word;
    if (word == "empty") s.picture = word;
    if (word == "picture") in >> s.picture;
    return s;
}

std::map<std::string, ShownCell> ShownCells(const std::string& output) {
    static const std::regex line(R"(\$[^.]+\.\$([A-Z]+)\$([0-9]+) .* \| (.*?)(?: bg ([0-9A-F]+))?)");
    std::map<std::string, ShownCell> cells;
    std::istringstream lines(output);
    std::smatch m;
    for (std::string text; std::getline(lines, text);)
        if (std::regex_match(text, m, line)) cells.emplace(m[1].str() + m[2].str(), ShownCell{m[3], m[4]});
    return cells;
}

}  // namespace quillbat::testing
