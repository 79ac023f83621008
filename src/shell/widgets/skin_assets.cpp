#include "shell/widgets/skin_assets.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace cpe {

QPixmap LoadSkinPixmap(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    if (qApp && qGuiApp->devicePixelRatio() > 1.0) {
        const QFileInfo info(path);
        const QString twin = info.path() + "/" + info.completeBaseName() + "@2x." + info.suffix();
        QPixmap sharp(twin);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

QFont SkinFont(const QString& face, int height, int weight) {
    QFont font(face.isEmpty() ? QStringLiteral("Arial") : face);
    font.setPixelSize(height > 0 ? std::max(1, (height * 7 + 4) / 8) : 13);
    if (weight > 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    }
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace cpe
