# Where the program and its desktop integration are installed on each system, and the package
# that CPack builds from them: a .deb on Linux, a ZIP on Windows, a disk image on macOS.
include(GNUInstallDirs)

set(QUORVANE_APP_ID com.quorvane.Quorvane)
set(quorvane_packaging ${PROJECT_SOURCE_DIR}/packaging)

if(WIN32)
    target_sources(quorvane PRIVATE ${quorvane_packaging}/windows/quorvane.rc)
    # One folder, as a ZIP is unpacked: the program, the Qt libraries and the compiler's runtime
    # beside it, where Windows looks for them first, and Qt's plugins in the folders below it
    # where Qt looks for them (no qt.conf needed). Listed here: windeployqt is not part of a
    # cross build.
    install(TARGETS quorvane RUNTIME DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        $<TARGET_FILE:Qt6::Network> DESTINATION .)
    get_target_property(quorvane_qt_core Qt6::Core LOCATION)
    get_filename_component(quorvane_qt_bin ${quorvane_qt_core} DIRECTORY)
    foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
        if(EXISTS ${quorvane_qt_bin}/${runtime}) # mingw's; none with MSVC
            install(FILES ${quorvane_qt_bin}/${runtime} DESTINATION .)
        endif()
    endforeach()
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
    install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> $<TARGET_FILE:Qt6::QGifPlugin>
        $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
    # Qt's own translations (the file dialog, the message boxes' buttons): the archive of Qt
    # for Windows has none, and a .qm file is the same on every system, so the host's Qt of
    # the same version gives them.
    foreach(language de es fr)
        set(quorvane_qt_qm ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm)
        if(EXISTS ${quorvane_qt_qm})
            install(FILES ${quorvane_qt_qm} DESTINATION translations)
        endif()
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
elseif(APPLE)
    set(quorvane_icns ${quorvane_packaging}/macos/quorvane.icns)
    set_source_files_properties(${quorvane_icns} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
    target_sources(quorvane PRIVATE ${quorvane_icns})
    set_target_properties(quorvane PROPERTIES
        MACOSX_BUNDLE_BUNDLE_NAME Quorvane
        MACOSX_BUNDLE_GUI_IDENTIFIER ${QUORVANE_APP_ID}
        MACOSX_BUNDLE_ICON_FILE quorvane.icns
        MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
        MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
    install(TARGETS quorvane BUNDLE DESTINATION .)
else()
    # The program links only the system's libraries: no run path into the install prefix.
    set_target_properties(quorvane PROPERTIES INSTALL_RPATH "")
    install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${quorvane_packaging}/linux/quorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${quorvane_packaging}/linux/${QUORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY ${quorvane_packaging}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane RENAME copyright)

    # The manual page and the Debian changelog, compressed as Debian wants them: gzip -9 -n,
    # without name or time stamp, so that the same sources give the same package.
    find_program(QUORVANE_GZIP gzip REQUIRED)
    mark_as_advanced(QUORVANE_GZIP)
    set(quorvane_docs ${PROJECT_BINARY_DIR}/packaging)
    set(quorvane_compressed)
    foreach(doc "quorvane.1|quorvane.1" "changelog|changelog.Debian")
        string(REPLACE "|" ";" doc "${doc}")
        list(GET doc 0 source)
        list(GET doc 1 name)
        add_custom_command(OUTPUT ${quorvane_docs}/${name}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${quorvane_packaging}/linux/${source}
                ${quorvane_docs}/${name}
            COMMAND ${QUORVANE_GZIP} -9 -n -f ${quorvane_docs}/${name}
            DEPENDS ${quorvane_packaging}/linux/${source}
            VERBATIM)
        list(APPEND quorvane_compressed ${quorvane_docs}/${name}.gz)
    endforeach()
    add_custom_target(quorvane_docs ALL DEPENDS ${quorvane_compressed})
    install(FILES ${quorvane_docs}/quorvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${quorvane_docs}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
endif()

# On macOS the Qt libraries and plugins travel with the program, as on Windows (above); on Linux
# the package depends on the distribution's Qt instead.
if(APPLE)
    qt_generate_deploy_app_script(TARGET quorvane FILENAME_VARIABLE quorvane_deploy_script)
    install(SCRIPT ${quorvane_deploy_script})
endif()

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT "The Quorvane developers <developers@quorvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop countdown to an event")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quorvane shows how much time is left until an event of your choice, in days,\n"
    "in hours, in minutes and in seconds, over a wallpaper, refreshed every second.\n"
    "Its settings dialog keeps the list of events and the choice of wallpaper.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quorvane)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # Depends is worked out by dpkg-shlibdeps from the libraries the executable links.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # So that a system without a desktop and its fonts still shows every text whole: DejaVu
    # Sans stands in for Verdana, Liberation Sans for Tahoma. Qt's Wayland platform lets the
    # program run natively in a Wayland session rather than through XWayland. Qt's translations
    # put the file dialog and the message boxes' buttons in the user's language too.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "fonts-dejavu-core, fonts-liberation2, qt6-wayland, qt6-translations-l10n")
endif()
include(CPack)
