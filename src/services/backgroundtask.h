#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QtConcurrent>

#include <memory>
#include <type_traits>
#include <utility>

namespace Brindlewick {

// Runs `work` on the shared thread pool and hands its result to `done` on the requester's thread.
// The result is dropped when the requester is gone, or when a newer request of the same
// BackgroundSlot replaced it.
template <class Work, class Done>
void runInBackground(QObject *requester, Work work, Done done)
{
    using R = std::invoke_result_t<Work>;
    auto *watcher = new QFutureWatcher<R>(requester);
    QObject::connect(watcher, &QFutureWatcher<R>::finished, requester, [watcher, done = std::move(done)]() mutable {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}

// One outstanding request per slot: starting a new one makes the older result irrelevant.
class BackgroundSlot {
public:
    template <class Work, class Done>
    void run(QObject *requester, Work work, Done done)
    {
        const quint64 generation = ++m_generation;
        runInBackground(requester, std::move(work),
                        [this, generation, done = std::move(done)](auto result) mutable {
                            if (generation == m_generation)
                                done(std::move(result));
                        });
    }

private:
    quint64 m_generation = 0;
};

} // namespace Brindlewick
