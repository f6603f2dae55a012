# Where the Qt for Windows archive is: QUORVANE_WINDOWS_QT_ARCHIVE, by default the first that
# exists of $QUORVANE_WINDOWS_QT, ../shared/winqt beside the sources and /work/shared/winqt.
# Run as a script (cmake -P), it prints the path, or nothing when none exists.
set(quorvane_windows_qt_name qt-6.4.2-mingw-x86_64)
set(quorvane_windows_qt_found "")
foreach(candidate "$ENV{QUORVANE_WINDOWS_QT}"
    "${CMAKE_CURRENT_LIST_DIR}/../../shared/winqt/${quorvane_windows_qt_name}.tar.xz"
    "/work/shared/winqt/${quorvane_windows_qt_name}.tar.xz")
    if(candidate AND EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
        get_filename_component(quorvane_windows_qt_found "${candidate}" ABSOLUTE)
        break()
    endif()
endforeach()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    if(quorvane_windows_qt_found)
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${quorvane_windows_qt_found}")
    endif()
    return()
endif()
set(QUORVANE_WINDOWS_QT_ARCHIVE "${quorvane_windows_qt_found}"
    CACHE FILEPATH "The archive of Qt for Windows x86_64 (mingw) that the windows preset uses")
