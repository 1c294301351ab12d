#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace tkm::test {

// Runs the event loop until done() or ten seconds have passed: the other
// side of a socket or bus is served by this thread's loop.
template <typename TDone>
bool WaitFor(TDone done) {
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace tkm::test
