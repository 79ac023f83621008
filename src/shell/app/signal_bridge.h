#pragma once

#include <QObject>

class QSocketNotifier;

namespace cpe {

// Turns SIGINT and SIGTERM into a Qt signal on the user-interface thread (the handler only writes
// a byte to a socket pair), so the console shuts down in order instead of dying mid-way.
class SignalBridge : public QObject {
    Q_OBJECT
public:
    explicit SignalBridge(QObject* parent = nullptr);
    ~SignalBridge() override;

    bool installed() const { return notifier_ != nullptr; }

signals:
    void terminationRequested(int signal);

private:
    void OnReadable();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace cpe
