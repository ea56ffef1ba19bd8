#include "xls/SheetPainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <map>

#include "xls/CellStyle.h"
#include "xls/CellText.h"
#include "xls/DrawingGroup.h"
#include "xls/Geometry.h"
#include "xls/NumberFormats.h"
#include "xls/Pictures.h"
#include "xls/SheetDrawing.h"

namespace quillbat::xls {

namespace {

constexpr double kTextPadding = 1.5;  // points between a cell's edge and its text
constexpr double kGridlineWidth = 0.25;
constexpr uint16_t kFirstSystemIcv = 64;

QColor ColourOf(const Palette& palette, uint16_t icv, QColor automatic) {
    if (icv >= kFirstSystemIcv) return automatic;
    return QColor::fromRgb(IcvToRgb(palette, icv));
}

struct BorderPen {
    double width;
    Qt::PenStyle style;
    bool doubled;
};

BorderPen PenOfLine(LineStyle style) {
    switch (style) {
        case LineStyle::Hair: return {0.25, Qt::SolidLine, false};
        case LineStyle::Medium: return {1.0, Qt::SolidLine, false};
        case LineStyle::Thick: return {1.5, Qt::SolidLine, false};
        case LineStyle::Double: return {0.5, Qt::SolidLine, true};
        case LineStyle::Dashed: return {0.5, Qt::DashLine, false};
        case LineStyle::Dotted: return {0.5, Qt::DotLine, false};
        case LineStyle::MediumDashed: return {1.0, Qt::DashLine, false};
        case LineStyle::DashDot: return {0.5, Qt::DashDotLine, false};
        case LineStyle::MediumDashDot:
        case LineStyle::SlantedDashDot: return {1.0, Qt::DashDotLine, false};
        case LineStyle::DashDotDot: return {0.5, Qt::DashDotDotLine, false};
        case LineStyle::MediumDashDotDot: return {1.0, Qt::DashDotDotLine, false};
        default: return {0.5, Qt::SolidLine, false};
    }
}

// One page of one sheet being drawn; coordinates are sheet points from the print area's
// top-left corner.
class PagePainter {
public:
    PagePainter(QPainter& p, const Workbook& book, int sheet, const PrintLayout& layout,
                const PrintedPage& page)
        : p_(p), book_(book), sheet_(book.sheets[sheet]), layout_(layout), page_(page),
          date1904_(UsesDate1904(book)), fontScale_(72.0 / p.device()->logicalDpiY()) {
        IndexMerges();
    }

    void Paint() {
        p_.save();
        p_.translate(page_.left, page_.top);
        p_.scale(layout_.scale, layout_.scale);
        p_.translate(-X(page_.cells.firstCol), -Y(page_.cells.firstRow));
        p_.setClipRect(CellsRect(page_.cells));
        if (layout_.settings.printGridlines) PaintGridlines();
        ForEachShownCell([this](int r, int c, const QRectF& box) { PaintFill(r, c, box); });
        ForEachShownCell([this](int r, int c, const QRectF& box) { PaintText(r, c, box); });
        ForEachCell([this](int r, int c) { PaintBorders(r, c, CellsRect({r, r, c, c})); });
        PaintPictures();
        p_.restore();
    }

private:
    double X(int col) const { return layout_.ColumnOffset(col); }
    double Y(int row) const { return layout_.RowOffset(row); }
    QRectF CellsRect(const CellRange& r) const {
        return QRectF(QPointF(X(r.firstCol), Y(r.firstRow)), QPointF(X(r.lastCol + 1), Y(r.lastRow + 1)));
    }

    // Which merged range covers each cell of the page (-1 for none).
    void IndexMerges() {
        const CellRange& c = page_.cells;
        mergeOf_.assign(static_cast<size_t>(c.Rows()) * c.Columns(), -1);
        for (int m = 0; m < static_cast<int>(sheet_.merges.size()); ++m) {
            const CellRange& r = sheet_.merges[m];
            for (int row = std::max(r.firstRow, c.firstRow); row <= std::min(r.lastRow, c.lastRow); ++row)
                for (int col = std::max(r.firstCol, c.firstCol); col <= std::min(r.lastCol, c.lastCol); ++col)
                    mergeOf_[Slot(row, col)] = m;
        }
    }
    size_t Slot(int row, int col) const {
        return static_cast<size_t>(row - page_.cells.firstRow) * page_.cells.Columns() +
               (col - page_.cells.firstCol);
    }
    int MergeAt(int row, int col) const {
        return page_.cells.Contains(row, col) ? mergeOf_[Slot(row, col)] : -1;
    }

    template <typename F>
    void ForEachCell(F f) const {
        for (int r = page_.cells.firstRow; r <= page_.cells.lastRow; ++r)
            for (int c = page_.cells.firstCol; c <= page_.cells.lastCol; ++c) f(r, c);
    }

    // Each cell that shows its own content, with its box: a merged range once, by its
    // top-left cell (or, when that is on another page, by its first cell on this one).
    template <typename F>
    void ForEachShownCell(F f) const {
        ForEachCell([&](int r, int c) {
            int m = MergeAt(r, c);
            if (m < 0) return f(r, c, CellsRect({r, r, c, c}));
            const CellRange& range = sheet_.merges[m];
            bool first = r == std::max(range.firstRow, page_.cells.firstRow) &&
                         c == std::max(range.firstCol, page_.cells.firstCol);
            if (first) f(range.firstRow, range.firstCol, CellsRect(range));
        });
    }

    CellStyle StyleAt(int row, int col) const {
        const Cell* cell = sheet_.CellAt(row, col);
        uint16_t xf = cell ? cell->xf : 15;
        if (xf >= book_.formats.xfs.size()) return {};
        return DecodeXf(book_.formats.xfs[xf]);
    }

    void PaintGridlines() {
        p_.setPen(QPen(QColor(160, 160, 160), kGridlineWidth));
        ForEachCell([&](int r, int c) {
            QRectF box = CellsRect({r, r, c, c});
            int m = MergeAt(r, c);
            if (m < 0 || m != MergeAt(r, c + 1)) p_.drawLine(box.topRight(), box.bottomRight());
            if (m < 0 || m != MergeAt(r + 1, c)) p_.drawLine(box.bottomLeft(), box.bottomRight());
            if (c == page_.cells.firstCol) p_.drawLine(box.topLeft(), box.bottomLeft());
            if (r == page_.cells.firstRow) p_.drawLine(box.topLeft(), box.topRight());
        });
    }

    void PaintFill(int row, int col, const QRectF& box) {
        Fill fill = StyleAt(row, col).fill;
        if (fill.pattern == 0) return;
        QColor fore = ColourOf(book_.palette, fill.foreground, Qt::black);
        if (fill.pattern == kSolidPattern) {
            p_.fillRect(box, fore);
            return;
        }
        p_.fillRect(box, ColourOf(book_.palette, fill.background, Qt::white));
        p_.fillRect(box, QBrush(fore, Qt::Dense4Pattern));  // patterns as an even mix
    }

    QFont FontOf(const Font& f) const {
        QFont font(QString::fromStdString(f.name));
        font.setPointSizeF(std::max(1.0, f.heightTwips / 20.0) * fontScale_);
        font.setBold(f.bold);
        font.setItalic(f.italic);
        font.setUnderline(f.underline != 0);
        font.setStrikeOut(f.strikeout);
        return font;
    }

    bool IsEmpty(int row, int col) const {
        if (col < layout_.area.firstCol || col > layout_.area.lastCol || MergeAt(row, col) >= 0)
            return false;
        const Cell* cell = sheet_.CellAt(row, col);
        return !cell || cell->value.IsBlank();
    }

    // The box text may use: its cell, widened over empty neighbours on the sides it spills to.
    QRectF SpillBox(int row, int col, const QRectF& box, HAlign align, double width) const {
        QRectF out = box;
        bool right = align == HAlign::Left || align == HAlign::Center || align == HAlign::CenterAcross;
        bool left = align == HAlign::Right || align == HAlign::Center || align == HAlign::CenterAcross;
        bool centred = left && right;
        double need = centred ? (width - box.width()) / 2 : width - box.width();
        for (int c = col + 1; right && out.right() - box.right() < need && IsEmpty(row, c); ++c)
            out.setRight(X(c + 1));
        for (int c = col - 1; left && box.left() - out.left() < need && IsEmpty(row, c); --c)
            out.setLeft(X(c));
        return out;
    }

    static int AlignmentFlags(HAlign h, VAlign v) {
        int flags = 0;
        switch (h) {
            case HAlign::Right: flags |= Qt::AlignRight; break;
            case HAlign::Center:
            case HAlign::CenterAcross: flags |= Qt::AlignHCenter; break;
            case HAlign::Justify:
            case HAlign::Distributed: flags |= Qt::AlignJustify; break;
            default: flags |= Qt::AlignLeft; break;
        }
        switch (v) {
            case VAlign::Top:
            case VAlign::Justify:
            case VAlign::Distributed: flags |= Qt::AlignTop; break;
            case VAlign::Center: flags |= Qt::AlignVCenter; break;
            default: flags |= Qt::AlignBottom; break;
        }
        return flags;
    }

    static bool Wraps(const CellStyle& style) {
        return style.wrap || style.horizontal == HAlign::Justify || style.vertical == VAlign::Justify;
    }

    // The text as it fits its cell: letters stacked, shrunk to fit (by making the font
    // smaller), repeated to fill, or ### for a number that does not fit.
    QString FittedText(const CellText& shown, const CellStyle& style, const QRectF& area, QFont& font) const {
        QString text = QString::fromStdString(shown.text);
        if (style.rotation == 255) return text.split(QString(), Qt::SkipEmptyParts).join('\n');
        if (Wraps(style) || style.rotation != 0) return text;
        QFontMetricsF metrics(font, p_.device());
        double width = metrics.horizontalAdvance(text);
        if (style.shrinkToFit && width > area.width() && area.width() > 0) {
            font.setPointSizeF(font.pointSizeF() * area.width() / width);
            return text;
        }
        if (shown.isNumber && width > area.width()) return NarrowNumber(shown, metrics, area.width());
        if (shown.horizontal == HAlign::Fill) return Repeated(text, metrics, area.width());
        return text;
    }

    // A number too wide for its cell: a shorter General form that fits, else ###.
    static QString NarrowNumber(const CellText& shown, const QFontMetricsF& metrics, double width) {
        if (shown.isGeneral)
            for (const std::string& form : GeneralForms(shown.number))
                if (metrics.horizontalAdvance(QString::fromStdString(form)) <= width)
                    return QString::fromStdString(form);
        return QString(std::max(1, static_cast<int>(width / metrics.horizontalAdvance('#'))), '#');
    }

    void PaintText(int row, int col, const QRectF& box) {
        const Cell* cell = sheet_.CellAt(row, col);
        if (!cell || cell->value.IsBlank()) return;
        CellStyle style = StyleAt(row, col);
        CellText shown = TextOfCell(book_, *cell, style, date1904_);
        if (shown.text.empty()) return;
        const Font& font = book_.FontOfXf(cell->xf);
        QFont qfont = FontOf(font);
        QRectF area = box.adjusted(kTextPadding + style.indent * 3 * Indent(), 0, -kTextPadding, 0);
        QString text = FittedText(shown, style, area, qfont);
        double width = QFontMetricsF(qfont, p_.device()).horizontalAdvance(text) + 2 * kTextPadding;
        QRectF clip = MaySpill(shown, style) && MergeAt(row, col) < 0
                          ? SpillBox(row, col, box, shown.horizontal, width) : box;
        p_.save();
        p_.setClipRect(clip, Qt::IntersectClip);
        p_.setFont(qfont);
        p_.setPen(ColourOf(book_.palette, font.colorIcv, Qt::black));
        int flags = AlignmentFlags(shown.horizontal, style.vertical) | (Wraps(style) ? Qt::TextWordWrap : 0);
        if (style.rotation != 0 && style.rotation != 255)
            DrawRotated(text, area, flags, style.rotation);
        else
            p_.drawText(area, flags | Qt::TextDontClip, text);  // spilled text ends at the clip
        p_.restore();
    }

    double Indent() const { return MaxDigitWidth(book_.FontOfXf(0)) * 0.75; }

    static QString Repeated(const QString& text, const QFontMetricsF& metrics, double width) {
        QString out = text;
        if (text.isEmpty()) return out;
        while (metrics.horizontalAdvance(out + text) <= width) out += text;
        return out;
    }

    void DrawRotated(const QString& text, const QRectF& area, int flags, uint8_t rotation) {
        double degrees = rotation <= 90 ? -rotation : rotation - 90;
        bool upright = std::abs(degrees) > 45;
        QRectF local(-area.width() / 2, -area.height() / 2, area.width(), area.height());
        if (upright) local = QRectF(-area.height() / 2, -area.width() / 2, area.height(), area.width());
        p_.save();
        p_.translate(area.center());
        p_.rotate(degrees);
        p_.drawText(local, (flags & ~Qt::AlignVertical_Mask) | Qt::AlignVCenter | Qt::TextDontClip, text);
        p_.restore();
    }

    void DrawBorderLine(const BorderLine& line, QPointF a, QPointF b, QPointF inward) {
        if (line.style == LineStyle::None) return;
        BorderPen pen = PenOfLine(line.style);
        QPen qpen(ColourOf(book_.palette, line.icv, Qt::black), pen.width, pen.style, Qt::FlatCap);
        p_.setPen(qpen);
        if (!pen.doubled) {
            p_.drawLine(a, b);
            return;
        }
        QPointF gap = inward * 0.75;
        p_.drawLine(a - gap, b - gap);
        p_.drawLine(a + gap, b + gap);
    }

    // A cell's own borders, except on edges inside the merged range it belongs to.
    void PaintBorders(int row, int col, const QRectF& box) {
        CellStyle s = StyleAt(row, col);
        int m = MergeAt(row, col);
        auto outer = [&](int r, int c) { return m < 0 || MergeAt(r, c) != m; };
        if (outer(row, col - 1)) DrawBorderLine(s.left, box.topLeft(), box.bottomLeft(), {1, 0});
        if (outer(row, col + 1)) DrawBorderLine(s.right, box.topRight(), box.bottomRight(), {1, 0});
        if (outer(row - 1, col)) DrawBorderLine(s.top, box.topLeft(), box.topRight(), {0, 1});
        if (outer(row + 1, col)) DrawBorderLine(s.bottom, box.bottomLeft(), box.bottomRight(), {0, 1});
    }

    // A shape's box in this page's coordinates: from A1, less the sheet points before the area.
    QRectF PictureBox(uint32_t shapeId) const {
        ShapeBox box;
        ShapeBoxOf(book_, sheet_, shapeId, box);
        const CellRange& a = layout_.area;
        RangeGeometry origin = GeometryOf(book_, sheet_, {a.firstRow, a.firstRow, a.firstCol, a.firstCol});
        return QRectF(box.left - origin.left, box.top - origin.top, box.width, box.height);
    }

    void PaintPictures() {
        std::map<uint32_t, QImage> decoded;
        QRectF pageBox = CellsRect(page_.cells);
        for (const ShapeAnchor& shape : ShapeAnchors(sheet_)) {
            if (shape.blipIndex == 0) continue;
            QRectF box = PictureBox(shape.shapeId);
            if (!box.intersects(pageBox)) continue;
            auto it = decoded.find(shape.blipIndex);
            if (it == decoded.end()) {
                std::string bytes = PictureBytes(book_, shape.blipIndex);
                QImage image;
                image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
                it = decoded.emplace(shape.blipIndex, std::move(image)).first;
            }
            if (!it->second.isNull()) p_.drawImage(box, it->second);
        }
    }

    QPainter& p_;
    const Workbook& book_;
    const Sheet& sheet_;
    const PrintLayout& layout_;
    const PrintedPage& page_;
    bool date1904_;
    double fontScale_;
    std::vector<int> mergeOf_;
};

void PaintSections(QPainter& p, const FooterSections& s, const QRectF& band, int vertical) {
    p.drawText(band, Qt::AlignLeft | vertical | Qt::TextDontClip, QString::fromStdString(s.left));
    p.drawText(band, Qt::AlignHCenter | vertical | Qt::TextDontClip, QString::fromStdString(s.center));
    p.drawText(band, Qt::AlignRight | vertical | Qt::TextDontClip, QString::fromStdString(s.right));
}

// The header at its margin from the paper's top, the footer at its margin from the bottom,
// both between the left and right page margins, in the workbook's Normal font.
void PaintHeaderAndFooter(QPainter& p, const Workbook& book, const PrintLayout& l, const PageFields& f) {
    const PageSettings& s = l.settings;
    const Font& normal = book.FontOfXf(0);  // the Normal style's font
    QFont font(QString::fromStdString(normal.name));
    font.setPointSizeF(normal.heightTwips / 20.0 * 72.0 / p.device()->logicalDpiY());
    p.save();
    p.setFont(font);
    p.setPen(Qt::black);
    double left = s.leftMargin * 72, width = l.paperWidth - (s.leftMargin + s.rightMargin) * 72;
    double bandHeight = std::max(s.topMargin, s.bottomMargin) * 72;
    PaintSections(p, PrintedSections(s.header, f), QRectF(left, s.headerMargin * 72, width, bandHeight),
                  Qt::AlignTop);
    PaintSections(p, PrintedSections(s.footer, f),
                  QRectF(left, l.paperHeight - s.footerMargin * 72 - bandHeight, width, bandHeight),
                  Qt::AlignBottom);
    p.restore();
}

}  // namespace

void PaintPrintedPage(QPainter& painter, const Workbook& book, int sheet,
                      const PrintLayout& layout, int pageIndex, const PageFields& fields) {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(layout.pages.size())) return;
    PagePainter(painter, book, sheet, layout, layout.pages[pageIndex]).Paint();
    PaintHeaderAndFooter(painter, book, layout, fields);
}

}  // namespace quillbat::xls
