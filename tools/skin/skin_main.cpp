#include "skin_style.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

// Writes every skin image into the folder given on the command line (normally <bin>/Skin).
// Runs on the offscreen platform at build time.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cpe-skin-gen OUTPUT_DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cpe-skin-gen: cannot create %s\n", argv[1]);
        return 1;
    }
    const int failed = skin::WriteControls(dir) + skin::WriteIcons(dir) + skin::WritePictures(dir) +
                       skin::WriteHelpPictures(dir) + skin::WriteAnimation(dir) + skin::WriteAppIcon(dir);
    if (failed > 0) {
        std::fprintf(stderr, "cpe-skin-gen: %d images could not be written to %s\n", failed, argv[1]);
        return 1;
    }
    return 0;
}
