#include "dialogs/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quillbat {

namespace {

void DrawTile(QPainter& p, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(31, 58, 95));
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
}

// The ball in the upper left, with its two seams.
void DrawBall(QPainter& p, double s) {
    QRectF ball(s * 0.14, s * 0.1, s * 0.6, s * 0.6);
    QRadialGradient shade(ball.center() - QPointF(s * 0.09, s * 0.09), s * 0.4);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(214, 208, 196));
    p.setBrush(shade);
    p.setPen(Qt::NoPen);
    p.drawEllipse(ball);
    p.save();
    p.setClipRegion(QRegion(ball.toRect(), QRegion::Ellipse));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 30, 40), std::max(1.0, s * 0.03), Qt::DashLine, Qt::FlatCap));
    double r = ball.width() / 2;
    p.drawArc(QRectF(ball.left() - r * 1.25, ball.top(), r * 1.9, ball.height()), -50 * 16, 100 * 16);
    p.drawArc(QRectF(ball.right() - r * 0.65, ball.top(), r * 1.9, ball.height()), 130 * 16, 100 * 16);
    p.restore();
}

// The quill, its nib in the lower left corner and its vane across the ball's lower right.
void DrawQuill(QPainter& p, double s) {
    p.save();
    p.translate(s * 0.2, s * 0.84);
    p.rotate(-40);
    const double length = s * 0.82;
    QPainterPath vane;
    vane.moveTo(length * 0.22, 0);
    vane.cubicTo(length * 0.45, -s * 0.2, length * 0.85, -s * 0.16, length, -s * 0.02);
    vane.cubicTo(length * 0.8, s * 0.1, length * 0.45, s * 0.1, length * 0.22, 0);
    p.setPen(QPen(QColor(95, 75, 45), std::max(1.0, s * 0.02)));
    p.setBrush(QColor(250, 240, 215));
    p.drawPath(vane);
    p.setPen(QPen(QColor(95, 75, 45), std::max(1.0, s * 0.03), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.97, -s * 0.02));
    p.restore();
}

}  // namespace

QImage PaintProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawTile(p, size);
    DrawBall(p, size);
    DrawQuill(p, size);
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(PaintProgramIcon(size)));
    return icon;
}

}  // namespace quillbat
