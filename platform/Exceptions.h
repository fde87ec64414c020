#pragma once

#include <QString>

#include <stdexcept>

// The error family that reaches the application's standard exception report.
class Exception : public std::runtime_error
{
public:
    explicit Exception(const QString& Message) : std::runtime_error(Message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// A conversion of an object to a class it is not.
class EInvalidCast : public Exception
{
public:
    EInvalidCast() : Exception(QStringLiteral("Invalid class typecast")) {}
};

// A system resource (such as a timer) could not be had.
class EOutOfResources : public Exception
{
public:
    using Exception::Exception;
};

// A picture that cannot be decoded.
class EInvalidGraphic : public Exception
{
public:
    using Exception::Exception;
};

// The window content names something that does not exist or does not fit.
class EContentError : public Exception
{
public:
    using Exception::Exception;
};
