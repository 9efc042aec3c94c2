// What the warning box says when a run fails: in Chinese, what went wrong,
// at which footing width, and for the report file which file and why.
#pragma once

#include <exception>

#include <QString>

#include "failure.h"

namespace tavrel::ui {

QString FailureMessage(const CalculationFailure& failure);

// For a failure that is none of the run's own, such as memory running out.
QString UnexpectedFailureMessage(const std::exception& error);

}  // namespace tavrel::ui
