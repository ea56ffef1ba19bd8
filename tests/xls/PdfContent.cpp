#include "PdfContent.h"

#include <zlib.h>

#include <regex>

namespace quillbat::testing {

namespace {

std::string Inflate(const std::string& data) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return "";
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    std::string out;
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - z.avail_out);
    }
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : "";
}

double Number(const std::ssub_match& m) {
    return std::stod(m.str());
}

}  // namespace

std::vector<std::string> InflatedStreams(const std::string& pdf) {
    std::vector<std::string> out;
    for (size_t at = pdf.find("stream"); at != std::string::npos; at = pdf.find("stream", at + 1)) {
        size_t start = pdf.find('\n', at);
        if (pdf.compare(at - 3, 3, "end") == 0 || start == std::string::npos) continue;
        size_t end = pdf.find("endstream", start);
        if (end == std::string::npos) break;
        std::string inflated = Inflate(pdf.substr(start + 1, end - start - 1));
        if (!inflated.empty()) out.push_back(std::move(inflated));
        at = end + 1;
    }
    return out;
}

std::vector<PdfFill> FilledRectangles(const std::string& content) {
    static const std::regex fill(
        R"(([\d.]+) ([\d.]+) ([\d.]+) rg\s+([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+) re\s+f\*?)");
    std::vector<PdfFill> out;
    for (std::sregex_iterator it(content.begin(), content.end(), fill), end; it != end; ++it) {
        const std::smatch& m = *it;
        QColor colour = QColor::fromRgbF(Number(m[1]), Number(m[2]), Number(m[3]));
        out.push_back({colour, QRectF(Number(m[4]), Number(m[5]), Number(m[6]), Number(m[7]))});
    }
    return out;
}

std::vector<QRectF> ImageBoxes(const std::string& content) {
    static const std::regex image(
        R"(([-\d.]+) 0 0 ([-\d.]+) ([-\d.]+) ([-\d.]+) cm\s*/\w+ Do)");
    std::vector<QRectF> out;
    for (std::sregex_iterator it(content.begin(), content.end(), image), end; it != end; ++it) {
        const std::smatch& m = *it;
        out.push_back(QRectF(Number(m[3]), Number(m[4]), Number(m[1]), Number(m[2])));
    }
    return out;
}

}  // namespace quillbat::testing
