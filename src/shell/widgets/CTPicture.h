#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QLabel>
#include <memory>

class QMovie;

namespace cpe {

// A still picture, or an animated GIF played frame by frame with its own delays until stopped.
class CTPicture : public QLabel {
    Q_OBJECT
public:
    explicit CTPicture(QWidget* parent = nullptr);
    ~CTPicture() override;

    bool Load(const QString& path);     // false when the file cannot be read or decoded
    bool Load(const QByteArray& bytes); // the same from a memory block
    void Draw();                        // starts the animation (a still picture is simply shown)
    void Stop();

    bool animated() const { return movie_ != nullptr; }
    bool playing() const;

private:
    void Clear();

    QByteArray data_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QMovie> movie_;
};

} // namespace cpe
