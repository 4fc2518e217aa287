#include "log.h"

Q_LOGGING_CATEGORY(vestastraLog, "vestastra")
