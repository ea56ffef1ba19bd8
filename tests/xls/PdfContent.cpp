#include "PdfContent.h"

#include <zlib.h>

#include <QTransform>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
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

bool IsDelimiter(char c) {
    return std::isspace(static_cast<unsigned char>(c)) || std::strchr("()<>[]{}/%", c);
}

// The position after a literal string "( ... )" that starts at `i`, nested parentheses and
// backslash escapes included.
size_t SkipString(const std::string& s, size_t i) {
    int depth = 0;
    for (; i < s.size(); ++i) {
        if (s[i] == '\\') ++i;
        else if (s[i] == '(') ++depth;
        else if (s[i] == ')' && --depth == 0) return i + 1;
    }
    return s.size();
}

class Interpreter {
public:
    PdfDrawing Run(const std::string& s) {
        for (size_t i = 0; i < s.size();) {
            char c = s[i];
            if (std::isspace(static_cast<unsigned char>(c)) || c == '[' || c == ']') ++i;
            else if (c == '(') i = SkipString(s, i), operands_.clear();
            else if (c == '<') i = s.find('>', i) == std::string::npos ? s.size() : s.find('>', i) + 1;
            else if (c == '%') i = s.find('\n', i) == std::string::npos ? s.size() : s.find('\n', i);
            else i = Token(s, i);
        }
        return out_;
    }

private:
    size_t Token(const std::string& s, size_t i) {
        size_t end = i + 1;
        while (end < s.size() && !IsDelimiter(s[end])) ++end;
        std::string word = s.substr(i, end - i);
        if (word[0] == '/') return end;  // names: colour spaces, fonts, images
        char* stop = nullptr;
        double number = std::strtod(word.c_str(), &stop);
        if (stop && *stop == '\0') operands_.push_back(number);
        else Operator(word);
        return end;
    }

    double Arg(size_t fromEnd) const { return operands_[operands_.size() - fromEnd]; }

    void Operator(const std::string& op) {
        size_t n = operands_.size();
        if (op == "q") stack_.push_back(ctm_);
        else if (op == "Q" && !stack_.empty()) ctm_ = stack_.back(), stack_.pop_back();
        else if (op == "cm" && n >= 6) ctm_ = QTransform(Arg(6), Arg(5), Arg(4), Arg(3), Arg(2), Arg(1)) * ctm_;
        else if ((op == "rg" || op == "sc" || op == "scn") && n >= 3) colour_ = QColor::fromRgbF(Arg(3), Arg(2), Arg(1));
        else if (op == "g" && n >= 1) colour_ = QColor::fromRgbF(Arg(1), Arg(1), Arg(1));
        else if (op == "re" && n >= 4) AddToPath(ctm_.mapRect(QRectF(Arg(4), Arg(3), Arg(2), Arg(1))));
        else if ((op == "m" || op == "l") && n >= 2) AddToPath(QRectF(ctm_.map(QPointF(Arg(2), Arg(1))), QSizeF(0, 0)));
        else if (op == "f" || op == "f*" || op == "F" || op == "b" || op == "b*" || op == "B" || op == "B*") Fill();
        else if (op == "n" || op == "S" || op == "s") path_.reset();
        else if (op == "Do") out_.images.push_back(ctm_.mapRect(QRectF(0, 0, 1, 1)));
        operands_.clear();
    }

    // Rectangles and points of the current path, as one bounding box.
    void AddToPath(const QRectF& r) {
        QRectF box = r.normalized();
        path_ = path_ ? QRectF(QPointF(std::min(path_->left(), box.left()), std::min(path_->top(), box.top())),
                               QPointF(std::max(path_->right(), box.right()), std::max(path_->bottom(), box.bottom())))
                      : box;
    }

    void Fill() {
        if (path_) out_.fills.push_back({colour_, *path_});
        path_.reset();
    }

    QTransform ctm_;
    std::vector<QTransform> stack_;
    QColor colour_ = Qt::black;
    std::optional<QRectF> path_;
    std::vector<double> operands_;
    PdfDrawing out_;
};

}  // namespace

std::vector<std::string> InflatedStreams(const std::string& pdf) {
    std::vector<std::string> out;
    for (size_t at = pdf.find("stream"); at != std::string::npos; at = pdf.find("stream", at + 1)) {
        size_t start = pdf.find('\n', at);
        if ((at >= 3 && pdf.compare(at - 3, 3, "end") == 0) || start == std::string::npos) continue;
        size_t end = pdf.find("endstream", start);
        if (end == std::string::npos) break;
        std::string inflated = Inflate(pdf.substr(start + 1, end - start - 1));
        if (!inflated.empty()) out.push_back(std::move(inflated));
        at = end + 1;
    }
    return out;
}

PdfDrawing InterpretContent(const std::string& content) {
    return Interpreter().Run(content);
}

double PageHeight(const std::string& pdf) {
    std::smatch m;
    static const std::regex box(R"(/MediaBox\s*\[\s*0 0 [\d.]+ ([\d.]+))");
    return std::regex_search(pdf, m, box) ? std::stod(m[1].str()) : 0;
}

QRectF FromTop(const QRectF& box, double pageHeight) {
    return QRectF(box.x(), pageHeight - box.y() - box.height(), box.width(), box.height());
}

}  // namespace quillbat::testing
