# cmake -DQT_CORE_INCLUDE=<QtCore's header folder> -DFILES=<sources> -DSTAMP=<file> -P this:
# fails, naming the file and the line, when a source of the core library includes a Qt header
# that is not Qt Core's or a header of the GUI library or the program. The core library links
# Qt Core only, so that its logic cannot reach for a window by accident.
foreach(file IN LISTS FILES)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "#[ \t]*include[ \t]*<(Qt[A-Za-z]*)/")
            if(NOT CMAKE_MATCH_1 STREQUAL "QtCore")
                message(FATAL_ERROR "${file}: ${line}: the core library links Qt Core only")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z0-9_]*)>")
            if(NOT EXISTS "${QT_CORE_INCLUDE}/${CMAKE_MATCH_1}")
                message(FATAL_ERROR "${file}: ${line}: not a Qt Core header; "
                    "the core library links Qt Core only")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*\"(gui|app)/")
            message(FATAL_ERROR "${file}: ${line}: the core library includes no header of "
                "the layers above it")
        endif()
    endforeach()
endforeach()
file(TOUCH "${STAMP}")
