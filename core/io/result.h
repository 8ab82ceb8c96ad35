#pragma once

#include <string>
#include <utility>
#include <variant>

#include "text/messages.h"

namespace kaz {

// Why an operation on a file failed: the cause and the path it concerns, as the system takes
// it. The user is told message().
struct Failure {
    FileError cause = FileError::Generic;
    std::string path;

    Message message() const { return fileErrorMessage(cause, path); }
};

// The one shape in which reading, writing, loading and exporting report: the value, or the
// failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// What an operation that only succeeds or fails gives back.
struct Done {};
using Status = Result<Done>;

}  // namespace kaz
