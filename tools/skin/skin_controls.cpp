#include "skin_style.h"

#include <QPainterPath>

// Window backgrounds, the menu, caption and page buttons, separators. Sizes are the pixel sizes of
// the windows and controls that show them (dialog units converted as the console does: 3/2
// horizontally, 13/8 vertically).
namespace skin {
namespace {

constexpr int kMainWidth = 1056;
constexpr int kMainHeight = 691;
constexpr int kBandHeight = 86;
constexpr int kMenuWidth = 137;
constexpr int kMenuTop = 158;
constexpr int kMenuHeight = 527;

void PaintMain(QPainter& p) {
    p.fillRect(QRectF(0, 0, kMainWidth, kBandHeight), kSlate);
    p.fillRect(QRectF(0, kBandHeight - 3, kMainWidth, 3), kAccent);
    DrawAppMark(p, QRectF(24, 20, 42, 42));
    p.setPen(kWhite);
    p.setFont(UiFont(22, true));
    p.drawText(QPointF(80, 42), "Korva CPE Assistant");
    p.setPen(kSlateSoft);
    p.setFont(UiFont(12));
    p.drawText(QPointF(81, 62), "Wireless CPE fleet console");
    p.fillRect(QRectF(0, kBandHeight, kMenuWidth, kMainHeight - kBandHeight), kGrey);
    p.fillRect(QRectF(kMenuWidth - 1, kBandHeight, 1, kMainHeight - kBandHeight), kLine);
    // A small fleet glyph above the menu: three units under one signal.
    for (int i = 0; i < 3; ++i) {
        DrawCpe(p, QPointF(42 + i * 26, 112), 0.55, kWhite);
    }
    p.setPen(Stroke(kAccent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(52, 95, 32, 20), 30 * 16, 120 * 16);
    p.setPen(Stroke(kLine, 1));
    p.drawLine(QPointF(16, 150), QPointF(kMenuWidth - 17, 150));
}

void PaintMenuBackground(QPainter& p) {
    p.fillRect(QRectF(kMenuWidth - 1, 0, 1, kMenuHeight), kLine);
}

void PaintMenuButton(QPainter& p, bool down) {
    if (!down) {
        return; // the calm state is the menu's own grey; the text carries the button
    }
    p.fillRect(QRectF(0, 1, 135, 44), kSlate);
    p.fillRect(QRectF(0, 1, 4, 44), kAccent);
}

void PaintCaptionButton(QPainter& p, const QString& kind) {
    p.setPen(Stroke(kWhite, 1.6));
    p.setBrush(Qt::NoBrush);
    const QPointF c(13, 8);
    if (kind == "close") {
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
    } else if (kind == "min") {
        p.drawLine(c + QPointF(-5, 4), c + QPointF(5, 4));
    } else {
        p.drawEllipse(c, 6, 6);
        p.setFont(UiFont(9, true));
        p.drawText(QRectF(7, 2, 12, 12), Qt::AlignCenter, "?");
    }
}

void PaintCloseOnGrey(QPainter& p, double w, double h) {
    p.setPen(Stroke(kSlateMid, 1.6));
    const QPointF c(w / 2, h / 2);
    const double r = std::min(w, h) / 2 - 3.5;
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

// Page buttons: one image serves every state, so the fill is a mid tone on which both the black
// normal text and the white hover/pressed text stay readable.
void PaintPageButton(QPainter& p, double w, double h, const QColor& fill) {
    RoundBox(p, QRectF(0.5, 0.5, w - 1, h - 1), fill);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(4, 1.5), QPointF(w - 4, 1.5));
}

struct Job {
    QString name;
    int width;
    int height;
    QColor background;
    Painter paint;
};

} // namespace

int WriteControls(const QString& dir) {
    std::vector<Job> jobs = {
        {"main_bk.jpg", kMainWidth, kMainHeight, kWhite, PaintMain},
        {"main_left_bk.jpg", kMenuWidth, kMenuHeight, kGrey, PaintMenuBackground},
        {"close_normal.bmp", 26, 16, kSlate, [](QPainter& p) { PaintCaptionButton(p, "close"); }},
        {"min_normal.bmp", 26, 16, kSlate, [](QPainter& p) { PaintCaptionButton(p, "min"); }},
        {"help_normal.bmp", 26, 16, kSlate, [](QPainter& p) { PaintCaptionButton(p, "help"); }},
        {"close_config.bmp", 22, 20, kGrey, [](QPainter& p) { PaintCloseOnGrey(p, 22, 20); }},
        {"close_wait.bmp", 17, 15, kGrey, [](QPainter& p) { PaintCloseOnGrey(p, 17, 15); }},
        {"line.bmp", 600, 1, kLine, [](QPainter&) {}},
        {"gray_line.bmp", 600, 1, QColor(200, 200, 200), [](QPainter&) {}},
        {"orange_line.bmp", 600, 2, kAccent, [](QPainter&) {}},
        {"btn_update_normal.bmp", 96, 30, kWhite, [](QPainter& p) { PaintPageButton(p, 96, 30, kAccent); }},
        {"btn_update_down.bmp", 96, 30, kWhite, [](QPainter& p) { PaintPageButton(p, 96, 30, kAccentDark); }},
        {"config_btn.bmp", 64, 22, kWhite, [](QPainter& p) { PaintPageButton(p, 64, 22, kSlateMid); }},
        {"btn_pie.bmp", 96, 30, kWhite, [](QPainter& p) { PaintPageButton(p, 96, 30, kSlateMid); }},
        {"btn_pie2.bmp", 96, 30, kWhite, [](QPainter& p) { PaintPageButton(p, 96, 30, kAccent); }},
    };
    const char* menus[] = {"search",   "wireless",    "device", "user",
                           "adstragy", "admanagment", "active", "system"};
    for (const char* m : menus) {
        jobs.push_back({QString("bt_menu_%1_normal.bmp").arg(m), 135, 46, kGrey,
                        [](QPainter& p) { PaintMenuButton(p, false); }});
        jobs.push_back({QString("bt_menu_%1_down.bmp").arg(m), 135, 46, kGrey,
                        [](QPainter& p) { PaintMenuButton(p, true); }});
    }
    // Everyday actions in the accent, actions that interrupt devices in the calmer slate.
    const std::pair<const char*, QColor> pages[] = {
        {"btn_search.bmp", kAccent},    {"btn_add.bmp", kAccent},       {"btn_config.bmp", kAccent},
        {"btn_export.bmp", kAccent},    {"btn_delete.bmp", kSlateMid},  {"btn_reboot.bmp", kSlateMid},
        {"btn_restore.bmp", kSlateMid}, {"btn_upgrade.bmp", kSlateMid},
    };
    for (const auto& [name, fill] : pages) {
        const QColor colour = fill;
        jobs.push_back(
            {name, 120, 32, kWhite, [colour](QPainter& p) { PaintPageButton(p, 120, 32, colour); }});
    }
    int failed = 0;
    for (const Job& j : jobs) {
        failed += Write(dir, j.name, j.width, j.height, j.background, j.paint) ? 0 : 1;
    }
    return failed;
}

} // namespace skin
