// Draws the club badges of the program's Logos folder: for every club of the team database,
// its file code in capitals on the club's colours, written as CODE.gif. Our own artwork, so
// the program ships no club's trademarked logo; users may put real logos in the folder.
//
//   make_badges COLOURS_FILE TEAM_DB OUT_DIR
#include <sqlite3.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// 60 x 52 points at 1.5 pixels a point: the scorecard's logo frame.
constexpr int kWidth = 90, kHeight = 78;

struct Colours {
    QColor fill, lettering, rim;
};

std::map<std::string, Colours> ReadColours(const std::string& path) {
    std::map<std::string, Colours> colours;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string code, fill, lettering, rim;
        if (words >> code >> fill >> lettering >> rim)
            colours[code] = {QColor(fill.c_str()), QColor(lettering.c_str()), QColor(rim.c_str())};
    }
    return colours;
}

std::vector<std::string> ClubCodes(const std::string& database) {
    std::vector<std::string> codes;
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT file_code FROM Teams ORDER BY file_code", -1, &query, nullptr) ==
            SQLITE_OK) {
        while (sqlite3_step(query) == SQLITE_ROW)
            codes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(query, 0)));
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return codes;
}

QImage DrawBadge(const std::string& code, const Colours& colours) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.addRoundedRect(QRectF(2, 2, kWidth - 4, kHeight - 4), 14, 14);
    painter.fillPath(shield, colours.rim);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(7, 7, kWidth - 14, kHeight - 14), 10, 10);
    painter.fillPath(inner, colours.fill);
    QFont font("DejaVu Sans", 10, QFont::Black);
    font.setPixelSize(code.size() > 2 ? 26 : 34);
    painter.setFont(font);
    painter.setPen(colours.lettering);
    painter.drawText(QRectF(7, 7, kWidth - 14, kHeight - 14), Qt::AlignCenter,
                     QString::fromStdString(code).toUpper());
    return image;
}

// GIF's variable-length LZW codes, packed from the low bit and cut into sub-blocks.
class LzwWriter {
public:
    explicit LzwWriter(std::string& out) : out_(out) {}
    void Code(int code, int bits) {
        buffer_ |= static_cast<uint32_t>(code) << count_;
        for (count_ += bits; count_ >= 8; count_ -= 8, buffer_ >>= 8) Byte(buffer_ & 0xFF);
    }
    void Finish() {
        if (count_ > 0) Byte(buffer_ & 0xFF);
        if (!block_.empty()) Flush();
        out_ += '\0';
    }

private:
    void Byte(int value) {
        block_ += static_cast<char>(value);
        if (block_.size() == 255) Flush();
    }
    void Flush() {
        out_ += static_cast<char>(block_.size());
        out_ += block_;
        block_.clear();
    }
    std::string& out_;
    std::string block_;
    uint32_t buffer_ = 0;
    int count_ = 0;
};

void CompressPixels(const QImage& image, std::string& out) {
    constexpr int kClear = 256, kEnd = 257;
    out += '\x08';  // 8-bit pixels
    LzwWriter writer(out);
    std::map<std::pair<int, int>, int> table;
    int next = kEnd + 1, bits = 9, prefix = -1;
    writer.Code(kClear, bits);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int pixel = image.pixelIndex(x, y);
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            auto found = table.find({prefix, pixel});
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            writer.Code(prefix, bits);
            if (next == 4096) {
                writer.Code(kClear, bits);
                table.clear();
                next = kEnd + 1;
                bits = 9;
            } else {
                table[{prefix, pixel}] = next++;
                if (next > (1 << bits) && bits < 12) ++bits;
            }
            prefix = pixel;
        }
    }
    writer.Code(prefix, bits);
    // The reader adds one more entry on that last code and may widen its codes for it.
    if (next == (1 << bits) && bits < 12) ++bits;
    writer.Code(kEnd, bits);
    writer.Finish();
}

std::string EncodeGif(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    auto word = [](std::string& s, int v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>(v >> 8);
    };
    std::string gif = "GIF89a";
    word(gif, image.width());
    word(gif, image.height());
    gif += "\xF7";  // a global table of 256 colours
    gif += std::string("\0\0", 2);
    QList<QRgb> palette = image.colorTable();
    for (int i = 0; i < 256; ++i) {
        QRgb c = i < palette.size() ? palette[i] : 0;
        gif += static_cast<char>(qRed(c));
        gif += static_cast<char>(qGreen(c));
        gif += static_cast<char>(qBlue(c));
    }
    gif += ',';
    word(gif, 0);
    word(gif, 0);
    word(gif, image.width());
    word(gif, image.height());
    gif += '\0';
    CompressPixels(image, gif);
    gif += ';';
    return gif;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_badges COLOURS_FILE TEAM_DB OUT_DIR\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::map<std::string, Colours> colours = ReadColours(argv[1]);
    std::vector<std::string> codes = ClubCodes(argv[2]);
    if (codes.empty()) {
        std::cerr << "make_badges: no clubs in " << argv[2] << "\n";
        return 1;
    }
    std::filesystem::create_directories(argv[3]);
    for (const std::string& code : codes) {
        auto found = colours.find(code);
        if (found == colours.end()) {
            std::cerr << "make_badges: no colours for the club \"" << code << "\" in " << argv[1] << "\n";
            return 1;
        }
        std::ofstream(std::filesystem::path(argv[3]) / (code + ".gif"), std::ios::binary)
            << EncodeGif(DrawBadge(code, found->second));
    }
    return 0;
}
