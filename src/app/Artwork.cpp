#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Artwork {

namespace {

void DrawBallotBox(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(30, 30, 60), 2));
    p.setBrush(QColor(235, 235, 245));
    p.drawRect(box);
    const QRectF slot(box.center().x() - box.width() * 0.3, box.top() + box.height() * 0.12,
                      box.width() * 0.6, box.height() * 0.08);
    p.setBrush(QColor(30, 30, 60));
    p.drawRect(slot);
    // A ballot going in.
    p.setBrush(Qt::white);
    p.save();
    p.translate(slot.center().x(), slot.top());
    p.rotate(-8);
    p.drawRect(
        QRectF(-box.width() * 0.18, -box.height() * 0.45, box.width() * 0.36, box.height() * 0.45));
    p.setPen(QPen(QColor(200, 30, 40), 3));
    p.drawLine(QPointF(-box.width() * 0.08, -box.height() * 0.25),
               QPointF(-box.width() * 0.02, -box.height() * 0.18));
    p.drawLine(QPointF(-box.width() * 0.02, -box.height() * 0.18),
               QPointF(box.width() * 0.1, -box.height() * 0.34));
    p.restore();
}

void DrawStar(QPainter& p, QPointF centre, qreal radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = (i * 36.0 - 90.0) * 3.14159265358979 / 180.0;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.drawPath(star);
}

} // namespace

QPixmap Splash() {
    QPixmap pixmap(420, 260);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(20, 40, 110));
    sky.setColorAt(1, QColor(120, 20, 40));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 7; ++i)
        p.drawRect(QRectF(0, 150 + i * 16, 420, 8));
    p.setBrush(QColor(250, 220, 90));
    for (int i = 0; i < 9; ++i)
        DrawStar(p, QPointF(30 + i * 45, 30), 9);
    DrawBallotBox(p, QRectF(30, 110, 110, 110));
    QFont title = p.font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(160, 80, 250, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Stumpcraft"));
    QFont subtitle = p.font();
    subtitle.setPointSize(10);
    subtitle.setBold(false);
    p.setFont(subtitle);
    p.drawText(QRectF(160, 125, 250, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Scenario editor for Votaris 2008"));
    return pixmap;
}

QPixmap Logo() {
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 110));
    p.drawEllipse(QRectF(2, 2, 92, 92));
    DrawBallotBox(p, QRectF(24, 36, 48, 44));
    return pixmap;
}

QPixmap Banner() {
    QPixmap pixmap(96, 96);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(0, i * 12, 96, 12), i % 2 ? Qt::white : QColor(190, 30, 45));
    p.fillRect(QRectF(0, 0, 44, 48), QColor(20, 40, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            DrawStar(p, QPointF(8 + col * 14, 9 + row * 15), 4);
    return pixmap;
}

} // namespace Artwork
