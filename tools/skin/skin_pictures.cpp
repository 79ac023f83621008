#include "skin_style.h"

#include <QPainterPath>

// Illustrations: the bridge wizard's finish picture, the bridge and web marks, the install help
// pictures. Language-dependent pictures come in an English ("other") and a Chinese version.
namespace skin {
namespace {

struct Words {
    bool chinese;
    QString pc, injector, cpe, cable, power, lan, poe, step1, step2, step3, title, ap, station, web;
};

const Words kEnglish{false,
                     "PC",
                     "PoE injector or PoE switch",
                     "CPE on the mast",
                     "Ethernet cable",
                     "Power",
                     "LAN",
                     "PoE",
                     "1  Connect the PC to the LAN port of the injector.",
                     "2  Connect the PoE port to the CPE (outdoor cable, up to 100 m).",
                     "3  Plug in the power; the CPE starts within a minute. Then search.",
                     "Installing a CPE",
                     "Access point",
                     "Station",
                     "Web"};
const Words kChinese{true,
                     "电脑",
                     "PoE 供电器或 PoE 交换机",
                     "立杆上的 CPE",
                     "网线",
                     "电源",
                     "LAN",
                     "PoE",
                     "1  用网线连接电脑和供电器的 LAN 口。",
                     "2  用室外网线连接 PoE 口和 CPE（最长 100 米）。",
                     "3  接通电源，CPE 约一分钟内启动，然后搜索设备。",
                     "安装 CPE",
                     "接入点",
                     "客户端",
                     "网页"};

void Label(QPainter& p, const QRectF& r, const QString& text, const Words& w, int size = 13,
           bool bold = false, const QColor& colour = kInk, int flags = Qt::AlignCenter) {
    p.setPen(colour);
    p.setFont(UiFont(size, bold, w.chinese));
    p.drawText(r, flags | Qt::TextWordWrap, text);
}

void Pc(QPainter& p, const QPointF& o) {
    p.setPen(Stroke(kSlate, 2));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(o.x(), o.y(), 110, 72), 4, 4);
    p.setBrush(kWhite);
    p.drawRect(QRectF(o.x() + 8, o.y() + 8, 94, 56));
    p.drawLine(QPointF(o.x() + 55, o.y() + 72), QPointF(o.x() + 55, o.y() + 86));
    p.drawLine(QPointF(o.x() + 30, o.y() + 88), QPointF(o.x() + 80, o.y() + 88));
    p.setPen(Stroke(kAccent, 2));
    p.drawLine(QPointF(o.x() + 20, o.y() + 50), QPointF(o.x() + 50, o.y() + 22));
    p.drawLine(QPointF(o.x() + 50, o.y() + 22), QPointF(o.x() + 64, o.y() + 36));
    p.drawLine(QPointF(o.x() + 64, o.y() + 36), QPointF(o.x() + 90, o.y() + 18));
}

void Injector(QPainter& p, const QPointF& o, const Words& w) {
    p.setPen(Stroke(kSlate, 2));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(o.x(), o.y(), 140, 56), 6, 6);
    for (int i = 0; i < 2; ++i) {
        const QRectF port(o.x() + 18 + i * 70, o.y() + 18, 34, 22);
        p.setPen(Stroke(kSlate, 2));
        p.setBrush(i == 0 ? kGrey : kAccentSoft);
        p.drawRect(port);
        Label(p, QRectF(port.x() - 10, o.y() + 58, 54, 18), i == 0 ? w.lan : w.poe, w, 12, true,
              i == 0 ? kSlate : kAccentDark);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kOnline);
    p.drawEllipse(QPointF(o.x() + 128, o.y() + 10), 3, 3);
}

void Cable(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(colour, 3));
    p.drawPath(path);
}

void PaintInstallHelp(QPainter& p, const Words& w) {
    Label(p, QRectF(32, 24, 600, 32), w.title, w, 22, true, kSlate, Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRectF(32, 60, 48, 3), kAccent);
    // Mast with the unit, on the right.
    p.setPen(Stroke(kSlateMid, 5));
    p.drawLine(QPointF(720, 92), QPointF(720, 430));
    p.setPen(Stroke(kSlateMid, 3));
    p.drawLine(QPointF(690, 430), QPointF(750, 430));
    DrawCpe(p, QPointF(692, 110), 1.3, kWhite);
    p.setPen(Stroke(kAccent, 2));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.drawArc(QRectF(620 - i * 14, 120 - i * 14, i * 28, i * 28 + 40), 120 * 16, 100 * 16);
    }
    Label(p, QRectF(610, 440, 220, 24), w.cpe, w, 14, true);
    Pc(p, QPointF(40, 290));
    Label(p, QRectF(30, 384, 130, 24), w.pc, w, 14, true);
    Injector(p, QPointF(300, 300), w);
    Label(p, QRectF(255, 376, 230, 40), w.injector, w, 14, true);
    QPainterPath lan;
    lan.moveTo(150, 330);
    lan.cubicTo(220, 330, 260, 329, 335, 329);
    Cable(p, lan, kSlate);
    QPainterPath poe;
    poe.moveTo(405, 318);
    poe.cubicTo(520, 250, 600, 330, 700, 180);
    Cable(p, poe, kAccent);
    Label(p, QRectF(480, 262, 150, 20), w.cable, w, 12, false, kSlateMid);
    Label(p, QRectF(170, 304, 130, 20), w.cable, w, 12, false, kSlateMid);
    // Power adapter under the injector.
    p.setPen(Stroke(kSlate, 2));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(352, 448, 36, 26), 4, 4);
    QPainterPath power;
    power.moveTo(370, 448);
    power.lineTo(370, 356);
    Cable(p, power, kSlateMid);
    Label(p, QRectF(396, 448, 120, 26), w.power, w, 12, false, kSlateMid, Qt::AlignLeft | Qt::AlignVCenter);
    const QString steps[] = {w.step1, w.step2, w.step3};
    for (int i = 0; i < 3; ++i) {
        Label(p, QRectF(40, 92 + i * 34, 520, 30), steps[i], w, 14, false, kInk,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void PaintBridgeFinish(QPainter& p) {
    p.setPen(Stroke(kLine, 2));
    p.drawLine(QPointF(40, 236), QPointF(440, 236));
    for (double x : {110.0, 370.0}) {
        p.setPen(Stroke(kSlateMid, 4));
        p.drawLine(QPointF(x, 110), QPointF(x, 236));
        DrawCpe(p, QPointF(x - 12, 90), 0.9, kWhite);
    }
    p.setPen(Stroke(kAccent, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath link;
    link.moveTo(130, 100);
    link.cubicTo(190, 60, 290, 60, 350, 100);
    p.drawPath(link);
    RoundBox(p, QRectF(206, 120, 68, 68), kOnline, 34);
    p.setPen(Stroke(kWhite, 6));
    p.drawPolyline(QList<QPointF>{{223, 155}, {236, 168}, {258, 140}});
}

void PaintBridgeMark(QPainter& p, const Words& w) {
    for (int i = 0; i < 2; ++i) {
        const double x = i == 0 ? 40 : 280;
        DrawCpe(p, QPointF(x, 20), 1.0, kWhite);
        Label(p, QRectF(x - 40, 78, 80, 22), i == 0 ? w.ap : w.station, w, 13, true, kSlate);
    }
    p.setPen(Stroke(kAccent, 2));
    QPen dashed = Stroke(kAccent, 2);
    dashed.setDashPattern({3, 3});
    p.setPen(dashed);
    p.drawLine(QPointF(64, 40), QPointF(256, 40));
}

void PaintWebMark(QPainter& p, const Words& w) {
    RoundBox(p, QRectF(0.5, 0.5, 71, 21), kSlateMid);
    p.setPen(Stroke(kWhite, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(13, 11), 6, 6);
    p.drawEllipse(QRectF(10, 5, 6, 12));
    p.drawLine(QPointF(7, 11), QPointF(19, 11));
    Label(p, QRectF(22, 0, 48, 22), w.web, w, 12, true, kWhite);
}

} // namespace

int WritePictures(const QString& dir) {
    int failed = 0;
    failed += Write(dir, "bridge_finish.jpg", 480, 280, kWhite, PaintBridgeFinish) ? 0 : 1;
    for (const Words* w : {&kEnglish, &kChinese}) {
        const QString lang = w->chinese ? "chinese" : "other";
        failed += Write(dir, "bridge_" + lang + ".bmp", 320, 104, kWhite,
                        [w](QPainter& p) { PaintBridgeMark(p, *w); })
                      ? 0
                      : 1;
        failed +=
            Write(dir, "web_" + lang + ".bmp", 72, 22, kWhite, [w](QPainter& p) { PaintWebMark(p, *w); }) ? 0
                                                                                                          : 1;
    }
    return failed;
}

int WriteHelpPictures(const QString& dir) {
    int failed = 0;
    for (const Words* w : {&kEnglish, &kChinese}) {
        const QString name = w->chinese ? "help_chinese.jpg" : "help_other.jpg";
        failed += Write(dir, name, 860, 500, kWhite, [w](QPainter& p) { PaintInstallHelp(p, *w); }) ? 0 : 1;
    }
    return failed;
}

} // namespace skin
