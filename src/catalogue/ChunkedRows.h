#pragma once

#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>

// Rows 1..rows cut into chunks that a helper thread and the main thread take in order, so that
// the main thread can finish each chunk's rows as soon as it has been read, and read chunks
// itself instead of waiting whenever there is one left to take.
class ChunkedRows {
public:
    static constexpr qint32 kRows = 256;

    explicit ChunkedRows(qint32 rows)
        : rows_(rows), chunks_((rows + kRows - 1) / kRows), done_(std::make_unique<std::atomic<bool>[]>(size_t(chunks_)))
    {
    }

    qint32 count() const { return chunks_; }
    qint32 first(qint32 chunk) const { return chunk * kRows + 1; }
    qint32 last(qint32 chunk) const { return std::min((chunk + 1) * kRows, rows_); }

    // The next chunk nobody has taken, or -1.
    qint32 take()
    {
        if (next_.load(std::memory_order_relaxed) >= chunks_)
            return -1;
        const qint32 chunk = next_.fetch_add(1);
        return chunk < chunks_ ? chunk : -1;
    }
    // Nothing more is taken (the main thread gave up).
    void stop() { next_.store(chunks_); }

    // The chunk's rows are written; what the reader wrote is visible to the thread that sees it done.
    void markRead(qint32 chunk)
    {
        done_[size_t(chunk)].store(true, std::memory_order_release);
        done_[size_t(chunk)].notify_one();
    }
    // Whether the chunk is read; rethrows what stopped the helper.
    bool ready(qint32 chunk) const
    {
        if (failed_.load(std::memory_order_acquire))
            std::rethrow_exception(error_);
        return done_[size_t(chunk)].load(std::memory_order_acquire);
    }
    // Blocks until the chunk is read (or the helper has failed).
    void waitRead(qint32 chunk) const { done_[size_t(chunk)].wait(false, std::memory_order_acquire); }

    // The helper's loop: takes chunks until none is left. A failure is kept for the main thread,
    // and the chunk it held is marked read, so that the main thread never waits for it in vain.
    template <typename Read>
    void helpRead(Read&& read)
    {
        qint32 chunk = -1;
        try {
            while ((chunk = take()) >= 0) {
                read(first(chunk), last(chunk));
                markRead(chunk);
            }
        } catch (...) {
            error_ = std::current_exception();
            failed_.store(true, std::memory_order_release);
            if (chunk >= 0)
                markRead(chunk);
        }
    }

private:
    qint32 rows_;
    qint32 chunks_;
    std::unique_ptr<std::atomic<bool>[]> done_;
    std::atomic<qint32> next_{0};
    std::atomic<bool> failed_{false};
    std::exception_ptr error_;
};
