#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The program's one error type. Every routine that fails throws it (or a
// subclass); the message is what the user reads, so it is kept as a QString.
class AppError : public std::exception
{
public:
    explicit AppError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is not the number it was expected to be.
class ConvertError : public AppError
{
public:
    using AppError::AppError;
};
