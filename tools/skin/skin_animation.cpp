#include "gif_writer.h"
#include "skin_style.h"

#include <QBuffer>
#include <QFile>
#include <cmath>
#include <map>

// The searching animation (a ring of dots whose bright head goes round) and the application icon.
namespace skin {
namespace {

constexpr int kFrames = 12;

QImage SpinnerFrame(int frame, double scale) {
    const int size = qRound(32 * scale);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kFrames; ++i) {
        const int age = (frame - i + kFrames) % kFrames; // 0 is the head
        const double t = age / double(kFrames - 1);
        const QColor c = QColor::fromRgbF(kAccent.redF() + (kLine.redF() - kAccent.redF()) * t,
                                          kAccent.greenF() + (kLine.greenF() - kAccent.greenF()) * t,
                                          kAccent.blueF() + (kLine.blueF() - kAccent.blueF()) * t);
        const double angle = i * 2 * M_PI / kFrames - M_PI / 2;
        p.setBrush(c);
        p.drawEllipse(QPointF(16 + 11 * std::cos(angle), 16 + 11 * std::sin(angle)), 2.6 - t, 2.6 - t);
    }
    return image;
}

// One palette for all frames: the most frequent colours, every other pixel to its nearest one.
cpe::GifImage Quantise(const std::vector<QImage>& frames) {
    std::map<QRgb, int> counts;
    for (const QImage& f : frames) {
        for (int y = 0; y < f.height(); ++y) {
            for (int x = 0; x < f.width(); ++x) {
                ++counts[f.pixel(x, y) & 0xFFFFFF];
            }
        }
    }
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto [rgb, n] : counts) {
        byCount.emplace_back(-n, rgb);
    }
    std::sort(byCount.begin(), byCount.end());
    cpe::GifImage gif;
    gif.width = frames.front().width();
    gif.height = frames.front().height();
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i) {
        const QRgb c = byCount[i].second;
        gif.palette.push_back({static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                               static_cast<std::uint8_t>(qBlue(c))});
    }
    std::map<QRgb, std::uint8_t> nearest;
    for (const QImage& f : frames) {
        cpe::GifFrame out;
        out.delayCentiseconds = 8;
        for (int y = 0; y < f.height(); ++y) {
            for (int x = 0; x < f.width(); ++x) {
                const QRgb c = f.pixel(x, y) & 0xFFFFFF;
                auto it = nearest.find(c);
                if (it == nearest.end()) {
                    int best = 0;
                    int bestDistance = INT32_MAX;
                    for (std::size_t i = 0; i < gif.palette.size(); ++i) {
                        const int dr = qRed(c) - gif.palette[i][0];
                        const int dg = qGreen(c) - gif.palette[i][1];
                        const int db = qBlue(c) - gif.palette[i][2];
                        const int d = dr * dr + dg * dg + db * db;
                        if (d < bestDistance) {
                            bestDistance = d;
                            best = static_cast<int>(i);
                        }
                    }
                    it = nearest.emplace(c, static_cast<std::uint8_t>(best)).first;
                }
                out.indices.push_back(it->second);
            }
        }
        gif.frames.push_back(std::move(out));
    }
    return gif;
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage IconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawAppMark(p, QRectF(0, 0, size, size));
    return image;
}

// An icon file of PNG images (16 to 256 pixels), as the icon format allows.
QByteArray IconFile() {
    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    std::vector<QByteArray> pngs;
    for (int s : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        IconImage(s).save(&buffer, "PNG");
        pngs.push_back(png);
    }
    QByteArray out;
    auto le16 = [&out](int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    auto le32 = [&](int v) {
        le16(v & 0xFFFF);
        le16((v >> 16) & 0xFFFF);
    };
    le16(0);
    le16(1);
    le16(static_cast<int>(pngs.size()));
    int offset = 6 + 16 * static_cast<int>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        out.append(char(sizes[i] >= 256 ? 0 : sizes[i]));
        out.append(char(sizes[i] >= 256 ? 0 : sizes[i]));
        out.append(char(0));
        out.append(char(0));
        le16(1);
        le16(32);
        le32(static_cast<int>(pngs[i].size()));
        le32(offset);
        offset += static_cast<int>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        out.append(png);
    }
    return out;
}

} // namespace

int WriteAnimation(const QString& dir) {
    int failed = 0;
    for (double scale : {1.0, 2.0}) {
        std::vector<QImage> frames;
        for (int i = 0; i < kFrames; ++i) {
            frames.push_back(SpinnerFrame(i, scale));
        }
        const std::vector<std::uint8_t> bytes = cpe::EncodeGif(Quantise(frames));
        const QString name = scale > 1 ? "wait_search@2x.gif" : "wait_search.gif";
        failed += WriteBytes(dir + "/" + name, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<qsizetype>(bytes.size())))
                      ? 0
                      : 1;
    }
    return failed;
}

int WriteAppIcon(const QString& dir) {
    int failed = WriteBytes(dir + "/Application.ico", IconFile()) ? 0 : 1;
    failed += IconImage(256).save(dir + "/Application.png") ? 0 : 1;
    return failed;
}

} // namespace skin
