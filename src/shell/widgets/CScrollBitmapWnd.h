#pragma once

#include <QPixmap>
#include <QScrollArea>

class QLabel;

namespace cpe {

// A picture larger than its window: scroll bars appear only on the axes that need them, line
// steps are 5 pixels, the area outside the picture is grey.
class CScrollBitmapWnd : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kLineStep = 5;

    explicit CScrollBitmapWnd(QWidget* parent = nullptr);

    bool SetBitmap(const QString& path); // false when the file cannot be read
    void SetBitmap(const QPixmap& pixmap);
    void SetDescription(const QString& description); // accessible text of the picture

    QPoint offset() const;

private:
    QLabel* picture_;
};

} // namespace cpe
