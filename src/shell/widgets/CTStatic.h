#pragma once

#include <QLabel>

namespace cpe {

// A label in the skin's colours and font; transparent by default so the page shows through.
class CTStatic : public QLabel {
    Q_OBJECT
public:
    explicit CTStatic(QWidget* parent = nullptr);
    CTStatic(const QString& text, QWidget* parent = nullptr);

    void SetTextColor(const QColor& colour);
    void SetBackgroundColor(const QColor& colour);
    void SetTransparent(bool on);
    void SetFont(const QString& face, int height, int weight);

    bool transparent() const { return !autoFillBackground(); }
};

} // namespace cpe
