#pragma once

#include <QObject>
#include <QSocketNotifier>

// SIGINT, SIGTERM and SIGHUP brought to the event loop: the handler only writes the
// signal's number to a socket pair, and the notifier on the other end emits
// received() there, where anything may be done.
class UnixSignals : public QObject
{
    Q_OBJECT
public:
    explicit UnixSignals(QObject *parent = nullptr);
    // The default handlers come back.
    ~UnixSignals() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
