# The windows preset's toolchain: Debian's mingw-w64 and Qt for Windows, unpacked from its
# archive into the build folder the first time, with Debian's own Qt tools (moc, rcc, uic) at
# QT_HOST_PATH. The archive stays outside the sources (WindowsQtArchive.cmake finds it).
#
# CMake reads a toolchain file again for each compile check, in another folder: the Qt prefix
# found the first time travels there with the check.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVANE_WINDOWS_QT_PREFIX)
if(NOT QUORVANE_WINDOWS_QT_PREFIX)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsQtArchive.cmake)
    set(quorvane_qt_parent ${CMAKE_BINARY_DIR}/qt-mingw)
    set(QUORVANE_WINDOWS_QT_PREFIX ${quorvane_qt_parent}/${quorvane_windows_qt_name}
        CACHE INTERNAL "Qt for Windows, unpacked")
    if(NOT EXISTS ${QUORVANE_WINDOWS_QT_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake)
        if(NOT QUORVANE_WINDOWS_QT_ARCHIVE)
            message(FATAL_ERROR "Qt for Windows not found: set QUORVANE_WINDOWS_QT to "
                "${quorvane_windows_qt_name}.tar.xz or put it in ../shared/winqt")
        endif()
        message(STATUS "Unpacking ${QUORVANE_WINDOWS_QT_ARCHIVE}")
        file(MAKE_DIRECTORY ${quorvane_qt_parent})
        file(ARCHIVE_EXTRACT INPUT ${QUORVANE_WINDOWS_QT_ARCHIVE} DESTINATION ${quorvane_qt_parent})
    endif()
endif()

set(QT_CHAINLOAD_TOOLCHAIN_FILE ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake
    CACHE FILEPATH "The compiler's toolchain, read by Qt's")
set(QT_HOST_PATH /usr CACHE PATH "Where this machine's Qt tools are")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Their CMake packages")
include(${QUORVANE_WINDOWS_QT_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake)
