#pragma once

#include "Failure.h"

// A database failure, described by the driver's own text.
class DbError final : public Failure {
public:
    using Failure::Failure;
};
