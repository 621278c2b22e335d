// Database failure carrying the server's message, shown to the user as it stands.
#pragma once

#include <QString>
#include <stdexcept>

class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, const QString& sqlState = QString())
        : std::runtime_error(message.toStdString()), message_(message), sqlState_(sqlState) {}

    const QString& message() const { return message_; }
    // Five-character SQLSTATE of a server error; empty for errors raised by the program itself.
    const QString& sqlState() const { return sqlState_; }

private:
    QString message_;
    QString sqlState_;
};
