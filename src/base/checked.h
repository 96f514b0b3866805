#pragma once

#include "base/outcome.h"

#include <optional>
#include <utility>

namespace kv {

// What an operation takes from an input once its check passed, or the refusal (its
// message already shown) that stands in its place, for the operation to return.
template <typename T>
class Checked {
public:
    Checked(T value) : value_(std::move(value)) {}
    Checked(Outcome refusal) : refusal_(std::move(refusal)) {}

    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    std::optional<T> value() const { return value_; }
    const Outcome& refusal() const { return refusal_; }

private:
    std::optional<T> value_;
    Outcome refusal_ = Outcome::Refused();
};

} // namespace kv
