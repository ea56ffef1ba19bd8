#include "app/BaseballGraphic.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace quillbat {

namespace {

// One seam: an arc bowing in from the ball's edge, with stitches across it.
void DrawSeam(QPainter& p, const QRectF& ball, bool left) {
    const double r = ball.width() / 2;
    const QPointF c = ball.center();
    const double side = left ? -1 : 1;
    QPainterPath seam;
    const int steps = 24;
    QPolygonF points;
    for (int i = 0; i <= steps; ++i) {
        double t = -1.0 + 2.0 * i / steps;                 // -1 .. 1 from top to bottom
        double y = c.y() + t * r * 0.82;
        double x = c.x() + side * r * (0.95 - 0.38 * (1 - t * t));
        points << QPointF(x, y);
    }
    seam.addPolygon(points);
    p.setPen(QPen(QColor(200, 30, 40), r * 0.035));
    p.drawPath(seam);
    p.setPen(QPen(QColor(200, 30, 40), r * 0.03, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < points.size() - 1; i += 2) {
        QPointF d = points[i + 1] - points[i - 1];
        double len = std::hypot(d.x(), d.y());
        QPointF n(-d.y() / len * r * 0.07, d.x() / len * r * 0.07);
        QPointF along = d / len * r * 0.03;
        p.drawLine(points[i] - n - along, points[i] + n + along);
    }
}

}  // namespace

BaseballGraphic::BaseballGraphic(QWidget* parent) : QWidget(parent) {
    setMinimumSize(48, 48);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BaseballGraphic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    double size = std::min(width(), height()) - 4;
    QRectF ball((width() - size) / 2, (height() - size) / 2, size, size);
    QRadialGradient shade(ball.center() - QPointF(size * 0.18, size * 0.18), size * 0.7);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(215, 210, 200));
    p.setBrush(shade);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawEllipse(ball);
    p.setClipRegion(QRegion(ball.toRect(), QRegion::Ellipse));
    DrawSeam(p, ball, true);
    DrawSeam(p, ball, false);
}

}  // namespace quillbat
