#include "online/worker_threads.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace codarium::online {
namespace {

struct ThreadState {
    StopToken stop{false};
    std::atomic<bool> ended{false};
};

struct ThreadEntry {
    int number = 0;
    std::shared_ptr<ThreadState> state;
    std::thread thread;
};

// The program's one lock guards this list.
struct ThreadList {
    std::mutex lock;
    std::vector<ThreadEntry> entries;
    int lastNumber = 0;
};

// Never destroyed: a thread still running when the process ends may hold a
// reference to its state, and a joinable handle must not be destroyed.
ThreadList& threadList() {
    static auto* list = new ThreadList;
    return *list;
}

ThreadEntry* findEntry(ThreadList& list, int number) {
    for (ThreadEntry& entry : list.entries) {
        if (entry.number == number) {
            return &entry;
        }
    }
    return nullptr;
}

// Joins and drops the handles of threads that have returned (their join only
// waits for the last instructions after the flag was set). Under the lock.
void releaseEndedThreads(ThreadList& list) {
    auto ended = std::partition(list.entries.begin(), list.entries.end(),
                                [](const ThreadEntry& entry) { return !entry.state->ended; });
    for (auto it = ended; it != list.entries.end(); ++it) {
        it->thread.join();
    }
    list.entries.erase(ended, list.entries.end());
}

bool onApplicationThread() {
    const auto* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

} // namespace

int startThread(ThreadProcedure procedure, int argument) {
    ThreadList& list = threadList();
    std::lock_guard guard(list.lock);
    releaseEndedThreads(list);
    auto state = std::make_shared<ThreadState>();
    ThreadEntry entry;
    entry.number = list.lastNumber + 1;
    entry.state = state;
    try {
        // The system's default stack: the work here (Qt, the HTTP client's
        // buffers) needs far more than a few kilobytes.
        entry.thread = std::thread([procedure = std::move(procedure), argument, state] {
            procedure(argument, state->stop);
            state->ended = true;
        });
    } catch (const std::system_error&) {
        return 0;
    }
    list.lastNumber = entry.number;
    list.entries.push_back(std::move(entry));
    return list.lastNumber;
}

void killThread(int number) {
    ThreadList& list = threadList();
    std::lock_guard guard(list.lock);
    if (ThreadEntry* entry = findEntry(list, number)) {
        entry->state->stop = true;
    }
}

bool threadRunning(int number) {
    ThreadList& list = threadList();
    std::lock_guard guard(list.lock);
    const ThreadEntry* entry = findEntry(list, number);
    return entry != nullptr && !entry->state->ended;
}

bool publishUnlessStopped(const StopToken& stop, const std::function<void()>& publish) {
    ThreadList& list = threadList();
    std::lock_guard guard(list.lock);
    if (stop) {
        return false;
    }
    publish();
    return true;
}

std::size_t heldThreadCount() {
    ThreadList& list = threadList();
    std::lock_guard guard(list.lock);
    return list.entries.size();
}

void releaseAllThreads(int limitMilliseconds) {
    ThreadList& list = threadList();
    {
        std::lock_guard guard(list.lock);
        for (ThreadEntry& entry : list.entries) {
            entry.state->stop = true;
        }
    }
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMilliseconds);
    const bool handleEvents = onApplicationThread();
    while (true) {
        {
            std::lock_guard guard(list.lock);
            releaseEndedThreads(list);
            if (list.entries.empty()) {
                return;
            }
            if (std::chrono::steady_clock::now() >= until) {
                for (ThreadEntry& entry : list.entries) {
                    entry.thread.detach();
                }
                list.entries.clear();
                return;
            }
        }
        if (handleEvents) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
}

} // namespace codarium::online
