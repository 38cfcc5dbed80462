// Handlers run inside guard(): an exception leaving a Qt slot is undefined
// behaviour, so whatever escapes is shown in the standard error box instead.
#pragma once

#include <exception>
#include <utility>

void showEscapedError(const char *what);

template <typename F> void guard(F &&handler)
{
    try {
        std::forward<F>(handler)();
    } catch (const std::exception &e) {
        showEscapedError(e.what());
    } catch (...) {
        showEscapedError(nullptr);
    }
}

// Wraps a member function for connect(): connect(b, &QPushButton::clicked, guarded(this, &T::f)).
template <typename T, typename... Args> auto guarded(T *object, void (T::*method)(Args...))
{
    return [object, method](Args... args) {
        guard([&] {
            (object->*method)(args...);
        });
    };
}
