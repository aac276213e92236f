#pragma once

#include <QString>

#include <stdexcept>

// A failure carries the description that the "Error in ...: " messages show.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& description) : std::runtime_error(description.toStdString()) {}
    QString description() const { return QString::fromStdString(what()); }
};

inline QString FailureText(const std::exception& e) {
    return QString::fromStdString(e.what());
}
