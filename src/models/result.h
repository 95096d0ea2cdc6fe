#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace Brindlewick {

// A failure with a user-facing, localised description.
struct Error {
    QString description;
};

// A value or an error; no exceptions cross a Qt event boundary.
template <class T, class E = Error>
class Result {
public:
    Result(T value) : m_data(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : m_data(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &value() { return std::get<0>(m_data); }
    const T &value() const { return std::get<0>(m_data); }
    T &operator*() { return value(); }
    T *operator->() { return &value(); }
    const E &error() const { return std::get<1>(m_data); }

private:
    std::variant<T, E> m_data;
};

template <class E>
class Result<void, E> {
public:
    Result() = default;
    Result(E error) : m_error(std::move(error)) {}

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const E &error() const { return *m_error; }

private:
    std::optional<E> m_error;
};

} // namespace Brindlewick
