#pragma once
#include <exception>

namespace kelvane {

template <class F> auto guarded(F&& f) -> decltype(f())
{
    try {
        return f();
    } catch (const Failure& failure) {
        return failure.error();
    } catch (const std::exception& e) {
        return makeError(err::InvalidCall, e.what());
    }
}

} // namespace kelvane
