#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop when the program is asked to stop (SIGTERM, SIGINT),
// so that the window closes as after Exit and what it made for its own
// passing use (the page folder of the information view) is removed. The
// handler only writes a byte to a socket; the quit happens in the event loop.
// One object at a time; the handlers are put back as they were when it goes.
class CQuitOnSignals : public QObject
{
    Q_OBJECT

public:
    CQuitOnSignals();
    ~CQuitOnSignals() override;
    CQuitOnSignals(const CQuitOnSignals &) = delete;
    CQuitOnSignals &operator=(const CQuitOnSignals &) = delete;

    // True once a request to stop came, also when it came before the event
    // loop ran (a quit then has no loop to end).
    bool Requested() const { return m_requested; }

private:
    void OnSignal();

    bool m_requested = false;
    QSocketNotifier *m_notifier = nullptr;
};
