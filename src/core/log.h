#pragma once

#include <QLoggingCategory>

// The program's log: what fails where the user cannot see it (a lock, a stored
// setting, a picture), said once, so that a bug report can tell why.
Q_DECLARE_LOGGING_CATEGORY(vestastraLog)
