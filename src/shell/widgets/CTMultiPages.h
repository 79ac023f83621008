#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>
#include <vector>

namespace cpe {

// The page-number bar under a device list: at most seven buttons of page numbers and ellipses.
// Choosing a page other than the current one reports (notify identifier, page) through
// pageChosen; the bar never reads the list itself. Left/Right/Home/End choose from the keyboard.
class CTMultiPages : public QWidget {
    Q_OBJECT
public:
    enum Alignment : int { kCentred = 1, kRight = 2, kLeft = 0 };

    explicit CTMultiPages(QWidget* parent = nullptr);

    // Resets the bar (no pages, page 1) and sets the identifier its choices are reported with.
    void Setup(int notifyId);
    void SetPages(int count, int current);
    void SetAlignment(int alignment);
    void SetFrame(bool on);
    void SetBackground(const QColor& colour);

    int notifyId() const { return notifyId_; }
    int pageCount() const { return count_; }
    int currentPage() const { return current_; }
    const std::vector<int>& labels() const { return labels_; }
    std::vector<QRect> ButtonRects() const;

signals:
    void pageChosen(int notifyId, int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int ButtonAt(const QPoint& pos) const;
    void Choose(int page);
    void Relabel();

    int notifyId_ = 0;
    int count_ = 0;
    int current_ = 1;
    int alignment_ = kCentred;
    bool frame_ = false;
    QColor background_{240, 240, 240};
    int hot_ = -1;
    int pressed_ = -1;
    std::vector<int> labels_;
};

} // namespace cpe
