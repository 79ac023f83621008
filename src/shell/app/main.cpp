#include "shell/app/CApplicationApp.h"
#include "shell/app/app_options.h"

#include <QStringList>
#include <cstdio>

// cpe-assistant: the desktop console. The options are read before the window system is touched so
// that --help and --version work without a display.
int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const cpe::AppOptions options = cpe::ParseAppOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "cpe-assistant: %s\n%s", options.error.toLocal8Bit().constData(),
                     cpe::AppUsage().toLocal8Bit().constData());
        return 2;
    }
    if (options.help) {
        std::fputs(cpe::AppUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("cpe-assistant %s\n", CPE_VERSION);
        return 0;
    }
    int qtArgc = 1; // our options are not Qt's
    cpe::CApplicationApp app(qtArgc, argv);
    return app.InitInstance(options);
}
