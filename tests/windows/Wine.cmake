# Included by tests/CMakeLists.txt in the Windows build made here: every test program runs under
# Wine (wine.sh), in a Wine prefix of its own in the build folder, made by the first test that
# needs it.
find_program(QUORVANE_WINE wine REQUIRED)
mark_as_advanced(QUORVANE_WINE)

# Qt ships no fonts for the offscreen platform on Windows, and reads one folder of them: Debian's
# DejaVu Sans, as on Linux for Verdana, and Liberation Sans for Tahoma, linked into one.
set(quorvane_wine_fonts ${PROJECT_BINARY_DIR}/wine-fonts)
file(GLOB quorvane_fonts /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSans*.ttf)
file(MAKE_DIRECTORY ${quorvane_wine_fonts})
foreach(font IN LISTS quorvane_fonts)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${quorvane_wine_fonts}/${name} SYMBOLIC)
endforeach()

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine.sh ${PROJECT_BINARY_DIR}/wine
    ${QUORVANE_WINDOWS_QT_PREFIX} ${quorvane_wine_fonts})
