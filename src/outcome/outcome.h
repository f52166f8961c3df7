// SPDX-FileCopyrightText: Quillmark contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>
#include <variant>

// A value, or the reason there is none. Converts to true on success, so call sites read
// forwards: `if (const auto text = read_user_file(...)) use(*text); else say(text.reason());`.
// The reason is words for the operator unless a richer type is named.

template <typename Reason = QString> struct Failure {
    Reason reason;
};

template <typename Reason> Failure<Reason> failure(Reason reason)
{
    return {std::move(reason)};
}

template <typename T, typename Reason = QString> class Outcome
{
public:
    Outcome(T value) : state(std::in_place_index<0>, std::move(value)) {}
    Outcome(Failure<Reason> failed) : state(std::in_place_index<1>, std::move(failed.reason)) {}

    explicit operator bool() const { return state.index() == 0; }
    const T &operator*() const & { return std::get<0>(state); }
    T &operator*() & { return std::get<0>(state); }
    T &&operator*() && { return std::get<0>(std::move(state)); }
    const T *operator->() const { return &std::get<0>(state); }
    T *operator->() { return &std::get<0>(state); }
    const Reason &reason() const { return std::get<1>(state); }

private:
    std::variant<T, Reason> state;
};

// Success with nothing more to say, or the reason of a failure.
template <typename Reason> class Outcome<void, Reason>
{
public:
    Outcome() = default;
    Outcome(Failure<Reason> failed) : failed(std::move(failed.reason)), ok(false) {}

    explicit operator bool() const { return ok; }
    const Reason &reason() const { return failed; }

private:
    Reason failed;
    bool ok = true;
};

using Done = Outcome<void>;
