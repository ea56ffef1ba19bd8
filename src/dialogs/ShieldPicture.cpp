#include "dialogs/ShieldPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quillbat {

namespace {

QPainterPath ShieldOutline(double s) {
    QPainterPath path;
    path.moveTo(s * 0.5, s * 0.05);
    path.cubicTo(s * 0.65, s * 0.14, s * 0.8, s * 0.16, s * 0.9, s * 0.16);
    path.cubicTo(s * 0.9, s * 0.55, s * 0.78, s * 0.8, s * 0.5, s * 0.96);
    path.cubicTo(s * 0.22, s * 0.8, s * 0.1, s * 0.55, s * 0.1, s * 0.16);
    path.cubicTo(s * 0.2, s * 0.16, s * 0.35, s * 0.14, s * 0.5, s * 0.05);
    return path;
}

void DrawMark(QPainter& p, Shield kind, double s) {
    QPen pen(Qt::white, s * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (kind == Shield::Current) {
        p.drawPolyline(QPolygonF{{s * 0.3, s * 0.5}, {s * 0.45, s * 0.65}, {s * 0.7, s * 0.35}});
        return;
    }
    p.drawLine(QPointF(s * 0.5, s * 0.28), QPointF(s * 0.5, s * 0.56));
    p.drawPoint(QPointF(s * 0.5, s * 0.74));
}

}  // namespace

QPixmap ShieldPicture(Shield kind, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QColor light = kind == Shield::Current ? QColor(110, 200, 110) : QColor(190, 190, 190);
    QColor dark = kind == Shield::Current ? QColor(30, 130, 50) : QColor(110, 110, 110);
    QLinearGradient fill(0, 0, size, size);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setBrush(fill);
    p.setPen(QPen(dark.darker(130), std::max(1.0, size * 0.03)));
    p.drawPath(ShieldOutline(size));
    DrawMark(p, kind, size);
    return picture;
}

}  // namespace quillbat
