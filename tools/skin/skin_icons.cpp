#include "skin_style.h"

#include <QPainterPath>

// Small line icons at a 2-pixel stroke: help menu items, grid marks, signal strength.
namespace skin {
namespace {

void Product(QPainter& p) { // a box seen from above
    p.setPen(Stroke(kSlate, 1.6));
    QPainterPath path;
    path.moveTo(8, 2);
    path.lineTo(14, 5);
    path.lineTo(14, 11);
    path.lineTo(8, 14);
    path.lineTo(2, 11);
    path.lineTo(2, 5);
    path.closeSubpath();
    path.moveTo(2, 5);
    path.lineTo(8, 8);
    path.lineTo(14, 5);
    path.moveTo(8, 8);
    path.lineTo(8, 14);
    p.drawPath(path);
}

void Support(QPainter& p) { // a ring buoy
    p.setPen(Stroke(kSlate, 1.6));
    p.drawEllipse(QPointF(8, 8), 6, 6);
    p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
    p.setPen(Stroke(kAccent, 1.6));
    p.drawLine(QPointF(3.8, 3.8), QPointF(6.2, 6.2));
    p.drawLine(QPointF(12.2, 12.2), QPointF(9.8, 9.8));
}

void Contact(QPainter& p) { // an envelope
    p.setPen(Stroke(kSlate, 1.6));
    p.drawRoundedRect(QRectF(2, 4, 12, 9), 1.5, 1.5);
    p.drawPolyline(QList<QPointF>{{2.5, 4.5}, {8, 9}, {13.5, 4.5}});
}

void Help(QPainter& p) { // a question mark in a circle
    p.setPen(Stroke(kSlate, 1.6));
    p.drawEllipse(QPointF(8, 8), 6, 6);
    p.setFont(UiFont(10, true));
    p.drawText(QRectF(2, 2, 12, 12), Qt::AlignCenter, "?");
}

void Globe(QPainter& p) {
    p.setPen(Stroke(kAccent, 1.6));
    p.drawEllipse(QPointF(10, 10), 7, 7);
    p.drawEllipse(QRectF(6.5, 3, 7, 14));
    p.drawLine(QPointF(3, 10), QPointF(17, 10));
}

void Pencil(QPainter& p) {
    p.setPen(Stroke(kSlate, 1.6));
    QPainterPath path;
    path.moveTo(3, 13);
    path.lineTo(3.5, 10);
    path.lineTo(11, 2.5);
    path.lineTo(13.5, 5);
    path.lineTo(6, 12.5);
    path.closeSubpath();
    p.drawPath(path);
    p.setPen(Stroke(kAccent, 1.6));
    p.drawLine(QPointF(9.5, 4), QPointF(12, 6.5));
}

void Waves(QPainter& p, const QColor& c, double cx, double cy, double k) {
    p.setPen(Stroke(c, 2));
    p.drawArc(QRectF(cx - 4 * k, cy - 4 * k, 8 * k, 8 * k), 45 * 16, 90 * 16);
    p.drawArc(QRectF(cx - 7.5 * k, cy - 7.5 * k, 15 * k, 15 * k), 45 * 16, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(cx, cy), 1.6 * k / 1.2, 1.6 * k / 1.2);
}

void WirelessBasic(QPainter& p) { // an antenna with waves
    Waves(p, kAccent, 16, 13, 1.5);
    p.setPen(Stroke(kSlate, 2));
    p.drawLine(QPointF(16, 13), QPointF(16, 28));
    p.drawLine(QPointF(10, 28), QPointF(22, 28));
}

void WirelessConfig(QPainter& p) { // three sliders
    p.setPen(Stroke(kSlate, 2));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(6, 8 + i * 8), QPointF(26, 8 + i * 8));
    }
    p.setPen(Stroke(kAccent, 2));
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(11, 8), 3, 3);
    p.drawEllipse(QPointF(21, 16), 3, 3);
    p.drawEllipse(QPointF(14, 24), 3, 3);
}

void Signal(QPainter& p, int level) {
    for (int i = 0; i < 5; ++i) {
        const double h = 3 + i * 2.6;
        RoundBox(p, QRectF(2 + i * 4.2, 15 - h, 3, h), i < level ? kAccent : kLine, 1);
    }
}

} // namespace

int WriteIcons(const QString& dir) {
    struct Job {
        QString name;
        int w;
        int h;
        Painter paint;
    };
    std::vector<Job> jobs = {
        {"help_product_normal.bmp", 16, 16, Product},
        {"help_support_normal.bmp", 16, 16, Support},
        {"help_contact_normal.bmp", 16, 16, Contact},
        {"help_help_normal.bmp", 16, 16, Help},
        {"bt_url.bmp", 20, 20, Globe},
        {"write.bmp", 16, 16, Pencil},
        {"wireless_basic.bmp", 32, 32, WirelessBasic},
        {"wireless_config.bmp", 32, 32, WirelessConfig},
        {"wireless_enable.bmp", 16, 16, [](QPainter& p) { Waves(p, kOnline, 8, 11, 1); }},
        {"wireless_disable.bmp", 16, 16,
         [](QPainter& p) {
             Waves(p, kOffline, 8, 11, 1);
             p.setPen(Stroke(kOffline, 1.6));
             p.drawLine(QPointF(3, 3), QPointF(13, 13));
         }},
    };
    for (int level = 0; level <= 5; ++level) {
        jobs.push_back({QString("singal_strength%1.bmp").arg(level), 24, 16,
                        [level](QPainter& p) { Signal(p, level); }});
    }
    int failed = 0;
    for (const Job& j : jobs) {
        failed += Write(dir, j.name, j.w, j.h, kWhite,
                        [&j](QPainter& p) {
                            p.setBrush(Qt::NoBrush);
                            j.paint(p);
                        })
                      ? 0
                      : 1;
    }
    return failed;
}

} // namespace skin
