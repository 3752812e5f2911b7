#pragma once

#include <coroutine>
#include <cstdint>
#include <exception>
#include <utility>

namespace sentari::saver {

// A resumable piece of animation. It suspends wherever the drawing loop lets pending
// input through ("pumps") and tells the driver how many passes that pause stands for.
// `co_await` on another Steps runs it in place, so effects nest like ordinary calls and
// the driver always resumes the innermost one.
// NOLINTBEGIN(readability-identifier-naming): the coroutine protocol names these.
class [[nodiscard]] Steps {
public:
    struct promise_type;
    using Handle = std::coroutine_handle<promise_type>;

    struct promise_type {
        promise_type* root = this;
        Handle leaf;                    // kept in the root only
        std::coroutine_handle<> parent; // the Steps awaiting this one
        std::int64_t passes = 0;        // kept in the root: asked for by the last suspension
        std::exception_ptr error;

        Steps get_return_object()
        {
            leaf = Handle::from_promise(*this);
            return Steps(leaf);
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct FinalAwaiter {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(Handle h) noexcept
            {
                auto& p = h.promise();
                if (p.parent) {
                    p.root->leaf = Handle::from_address(p.parent.address());
                    return p.parent;
                }
                return std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        FinalAwaiter final_suspend() noexcept { return {}; }
        // Not const: it sets the passes of the whole chain, through root.
        // NOLINTNEXTLINE(readability-make-member-function-const)
        std::suspend_always yield_value(std::int64_t passes) noexcept
        {
            // The analyzer does not see the frame construct the promise, which sets root.
            // NOLINTNEXTLINE(clang-analyzer-core.NullDereference)
            root->passes = passes;
            return {};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { error = std::current_exception(); }
    };

    Steps() = default;
    explicit Steps(Handle h) : h_(h) {}
    Steps(const Steps&) = delete;
    Steps& operator=(const Steps&) = delete;
    Steps(Steps&& other) noexcept : h_(std::exchange(other.h_, {})) {}
    Steps& operator=(Steps&& other) noexcept
    {
        if (this != &other) {
            reset();
            h_ = std::exchange(other.h_, {});
        }
        return *this;
    }
    ~Steps() { reset(); }

    bool valid() const { return bool(h_); }
    bool done() const { return !h_ || h_.done(); }

    // Runs to the next pump. Returns the passes of message processing it stands for,
    // or -1 when the whole thing has finished. Rethrows what escaped the outermost step.
    std::int64_t resume()
    {
        if (done())
            return -1;
        auto& r = h_.promise();
        r.passes = 0;
        r.leaf.resume();
        if (h_.done()) {
            if (r.error)
                std::rethrow_exception(std::exchange(r.error, {}));
            return -1;
        }
        return r.passes;
    }

    auto operator co_await() && noexcept
    {
        struct Awaiter {
            Handle child;
            bool await_ready() const noexcept { return !child || child.done(); }
            std::coroutine_handle<> await_suspend(Handle parent) const noexcept
            {
                auto& pp = parent.promise();
                child.promise().root = pp.root;
                child.promise().parent = parent;
                pp.root->leaf = child;
                return child;
            }
            void await_resume() const
            {
                if (child && child.promise().error)
                    std::rethrow_exception(child.promise().error);
            }
        };
        return Awaiter{h_};
    }

private:
    void reset()
    {
        if (h_)
            h_.destroy();
        h_ = {};
    }
    Handle h_;
};
// NOLINTEND(readability-identifier-naming)

} // namespace sentari::saver
