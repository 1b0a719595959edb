#pragma once

// What went wrong, carried unchanged from the routine that found it up to the exit code
// of kivora-cli and the message box of the window. The text is in the program's
// language; an Io failure holds the reader's or writer's own reason, and the one place
// that shows it puts the "Input/output error" wrapper around it.

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace kivora {

class MessageCatalog;

struct Failure
{
    enum class Kind {
        Io, // a file could not be read or written
        Format, // a file or an entry is not in the form expected
        Refused, // the request is understood, but the data do not allow it
        Usage, // the request itself is wrong (an option, a value)
        Cancelled, // the user stopped it
    };
    Kind kind = Kind::Io;
    QString text;

    static Failure io(QString text) { return { Kind::Io, std::move(text) }; }
    static Failure format(QString text) { return { Kind::Format, std::move(text) }; }
    static Failure refused(QString text) { return { Kind::Refused, std::move(text) }; }
    static Failure usage(QString text) { return { Kind::Usage, std::move(text) }; }
    static Failure cancelled() { return { Kind::Cancelled, {} }; }
};

// A value or the failure that stopped it.
template<typename T> class [[nodiscard]] Outcome
{
public:
    Outcome(T value)
        : m_state(std::move(value))
    { }
    Outcome(Failure failure)
        : m_state(std::move(failure))
    { }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }
    const Failure &failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// Done, or the failure that stopped it.
template<> class [[nodiscard]] Outcome<void>
{
public:
    Outcome() = default;
    Outcome(Failure failure)
        : m_failure(std::move(failure))
    { }
    // Whether a routine that gives a value succeeded, its value left behind.
    template<typename T> Outcome(const Outcome<T> &other)
    {
        if (!other)
            m_failure = other.failure();
    }

    bool ok() const { return !m_failure.has_value(); }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

using Done = Outcome<void>;

// The text to show for a failure: an Io failure's reason inside the "Input/output
// error" wrapper, any other failure's text as it is.
QString failureMessage(const Failure &failure, const MessageCatalog &messages);

} // namespace kivora
