#pragma once

#include <QString>

// The system's words for a C runtime error number (errno), as a failure's reason ends: "No
// such file or directory". On Windows Qt's qt_error_string() reads its number as a Windows
// error code, which an errno is not (EISDIR would read "Not ready.").
QString SystemReason(int errnoValue);
