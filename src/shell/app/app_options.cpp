#include "shell/app/app_options.h"

#include "shell/lang/language.h"

namespace cpe {

AppOptions ParseAppOptions(const QStringList& arguments) {
    AppOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString a = arguments[i];
        auto value = [&](const char* name) -> std::optional<QString> {
            if (a.startsWith(QString(name) + "=")) {
                return a.mid(static_cast<int>(qstrlen(name)) + 1);
            }
            if (a == name && i + 1 < arguments.size()) {
                return arguments[++i];
            }
            if (a == name) {
                o.error = QString("%1 needs a value").arg(name);
            }
            return std::nullopt;
        };
        if (a == "--loopback") {
            o.loopback = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--home" || a.startsWith("--home=")) {
            if (auto v = value("--home")) {
                o.home = *v;
                if (o.home.isEmpty()) {
                    o.error = "--home needs a folder";
                }
            }
        } else if (a == "--lcid" || a.startsWith("--lcid=")) {
            if (auto v = value("--lcid")) {
                o.lcid = ParseLcid(v->toStdString());
                if (!o.lcid) {
                    o.error = QString("--lcid takes a locale identifier of 1 to 65535, not '%1'").arg(*v);
                }
            }
        } else {
            o.error = QString("unknown option '%1'").arg(a);
        }
        if (!o.error.isEmpty()) {
            break;
        }
    }
    return o;
}

QString AppUsage() {
    return "Usage: cpe-assistant [--loopback] [--home DIR] [--lcid N] [--version] [--help]\n"
           "  --loopback  use only the loopback interface (simulated devices on 127.x)\n"
           "  --home DIR  keep the logs, data.mdb and the instance lock in DIR\n"
           "  --lcid N    show the language of locale N (2052 Chinese, 1033 English)\n"
           "  --version   print the version and exit\n"
           "  --help      print this text and exit\n";
}

} // namespace cpe
