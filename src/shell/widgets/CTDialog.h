#pragma once

#include <QColor>
#include <QDialog>
#include <QLine>
#include <QPixmap>
#include <QPoint>
#include <vector>

namespace cpe {

// Base of every dialog and page: a stretched background picture or a fill colour, decorative
// lines, optional rounded corners and translucency, dragging from anywhere in the client area.
// Enter and Escape never close it. With a parent and no window flags it is a child panel (a page,
// the menu); pass Qt::Dialog for a dialog window.
class CTDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    void SetBackgroundPicture(const QString& path);
    void SetFillColor(const QColor& colour); // also switches the fill on
    void SetLineColor(const QColor& colour, int width);
    void AddLine(const QLine& line);
    void SetCornerDiameter(int diameter);
    void SetOpacity(int opacity); // 255 opaque; anything else gives alpha 200 once rounded
    void SetDrag(bool on) { drag_ = on; }

    bool hasBackgroundPicture() const { return !background_.isNull(); }
    bool isLayered() const { return layered_; }
    bool regionApplied() const { return regionApplied_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyRegion();

    QPixmap background_;
    bool fill_ = false;
    QColor fillColour_{255, 255, 255};
    QColor lineColour_{218, 218, 218};
    int lineWidth_ = 1;
    std::vector<QLine> lines_;
    int corner_ = 0;
    int opacity_ = 255;
    bool regionApplied_ = false;
    bool layered_ = false;
    bool drag_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace cpe
