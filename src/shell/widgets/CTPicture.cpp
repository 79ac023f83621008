#include "shell/widgets/CTPicture.h"

#include <QFile>
#include <QMovie>
#include <QPixmap>

namespace cpe {

CTPicture::CTPicture(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 255));
    setPalette(pal);
}

CTPicture::~CTPicture() {
    Clear();
}

void CTPicture::Clear() {
    if (movie_) {
        movie_->stop();
        setMovie(nullptr);
    }
    movie_.reset();
    buffer_.reset();
    clear();
}

bool CTPicture::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        return false;
    }
    return Load(file.readAll());
}

bool CTPicture::Load(const QByteArray& bytes) {
    Clear();
    data_ = bytes;
    if (data_.startsWith("GIF87a") || data_.startsWith("GIF89a")) {
        buffer_ = std::make_unique<QBuffer>(&data_);
        buffer_->open(QIODevice::ReadOnly);
        auto movie = std::make_unique<QMovie>(buffer_.get(), QByteArray("gif"));
        if (movie->isValid() && movie->frameCount() > 1) {
            movie_ = std::move(movie);
            setMovie(movie_.get());
            movie_->jumpToFrame(0);
            return true;
        }
        buffer_.reset();
    }
    QPixmap still;
    if (!still.loadFromData(data_)) {
        return false;
    }
    setPixmap(still);
    return true;
}

void CTPicture::Draw() {
    if (movie_) {
        movie_->start();
    }
}

void CTPicture::Stop() {
    if (movie_) {
        movie_->stop();
    }
}

bool CTPicture::playing() const {
    return movie_ && movie_->state() == QMovie::Running;
}

} // namespace cpe
