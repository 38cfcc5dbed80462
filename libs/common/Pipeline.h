// Runs jobs on worker threads and hands them back to the calling thread in
// the order they were submitted, so results are written (and reported) in
// order while the work itself runs on all cores.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace amx {

class Job
{
public:
    virtual ~Job() = default;
    // Runs on a worker; must check `stop` in long loops and must not throw.
    virtual void run(const std::atomic<bool> &stop) = 0;
    // Memory the job holds while in flight, to bound the total.
    virtual uint64_t weight() const { return 0; }

private:
    friend class Pipeline;
    bool m_done = false;
};

class Pipeline
{
public:
    explicit Pipeline(unsigned threads = 0)
    {
        if (threads == 0)
            threads = std::max(1u, std::thread::hardware_concurrency());
        // Deep enough that one slow job at the head does not leave the
        // other workers idle; the weight bound keeps the memory in check.
        m_maxJobs = threads * 128;
        for (unsigned i = 0; i < threads; ++i)
            m_workers.emplace_back([this] {
                work();
            });
    }
    // Stops the workers; jobs not yet run are dropped, running ones are told to stop.
    ~Pipeline()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
            m_stopFlag = true;
            m_todo.clear();
        }
        m_wake.notify_all();
        for (auto &t : m_workers)
            t.join();
    }
    Pipeline(const Pipeline &) = delete;
    Pipeline &operator=(const Pipeline &) = delete;

    // True when another job may be submitted without passing the limits.
    bool hasRoom(uint64_t weight) const
    {
        return m_order.empty() || (m_order.size() < m_maxJobs && m_weight + weight <= m_maxWeight);
    }
    size_t pending() const { return m_order.size(); }

    void submit(std::unique_ptr<Job> job)
    {
        m_weight += job->weight();
        Job *raw = job.get();
        m_order.push_back(std::move(job));
        bool idle;
        {
            std::lock_guard lock(m_mutex);
            m_todo.push_back(raw);
            idle = m_idle > 0;
        }
        // Busy workers find the job themselves; waking one costs a system call.
        if (idle)
            m_wake.notify_one();
    }

    // Waits for the oldest job and hands it back; the caller owns it again.
    std::unique_ptr<Job> next()
    {
        std::unique_ptr<Job> job = std::move(m_order.front());
        m_order.pop_front();
        {
            std::unique_lock lock(m_mutex);
            m_awaited = job.get();
            m_doneCv.wait(lock, [&] {
                return job->m_done;
            });
            m_awaited = nullptr;
        }
        m_weight -= job->weight();
        return job;
    }

private:
    void work()
    {
        for (;;) {
            Job *job;
            {
                std::unique_lock lock(m_mutex);
                ++m_idle;
                m_wake.wait(lock, [&] {
                    return m_stop || !m_todo.empty();
                });
                --m_idle;
                if (m_stop)
                    return;
                job = m_todo.front();
                m_todo.pop_front();
            }
            job->run(m_stopFlag);
            bool awaited;
            {
                std::lock_guard lock(m_mutex);
                job->m_done = true;
                awaited = job == m_awaited;
            }
            // Only the job the caller waits for is worth waking it for.
            if (awaited)
                m_doneCv.notify_one();
        }
    }

public:
    // Tells running jobs to give up; used before the pipeline is destroyed
    // with jobs in flight (cancel or error).
    void abort() { m_stopFlag = true; }
    // Lets jobs run again after an abort whose jobs were all taken back.
    void resume() { m_stopFlag = false; }
    // Stops and takes back every job in flight, then lets new ones run.
    void dropAll()
    {
        abort();
        while (pending())
            next();
        resume();
    }

private:
    std::vector<std::thread> m_workers;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_doneCv;
    std::deque<Job *> m_todo;
    Job *m_awaited = nullptr; // the job next() waits for
    unsigned m_idle = 0; // workers waiting for a job
    std::deque<std::unique_ptr<Job>> m_order;
    std::atomic<bool> m_stopFlag { false };
    bool m_stop = false;
    unsigned m_maxJobs;
    uint64_t m_weight = 0;
    uint64_t m_maxWeight = 64u << 20;
};

} // namespace amx
