#include "core/files/SystemReason.h"

#include <system_error>

QString SystemReason(int errnoValue)
{
#ifdef Q_OS_WIN
    return QString::fromLocal8Bit(std::generic_category().message(errnoValue));
#else
    return qt_error_string(errnoValue);
#endif
}
