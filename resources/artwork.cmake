# The pictures drawn by tools/artwork (quorvel-artwork <folder> writes them all).
target_sources(quorvel_resources PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BodyGeometry.h)
target_include_directories(quorvel_resources PUBLIC ${PROJECT_SOURCE_DIR})

qt_add_resources(quorvel_resources "artwork_bitmaps"
    PREFIX "/bitmaps"
    BASE bitmaps
    FILES
        bitmaps/OFF.bmp
        bitmaps/MV.bmp
        bitmaps/VOLT.bmp
        bitmaps/MA.bmp
        bitmaps/AMPERE.bmp
        bitmaps/KOHM.bmp
        bitmaps/OHM.bmp
        bitmaps/PIPS.bmp
)
qt_add_resources(quorvel_resources "artwork_form1"
    PREFIX "/form1"
    BASE form1
    FILES
        form1/Image1.bmp
        form1/Knopf.bmp
        form1/Button1.bmp
)
qt_add_resources(quorvel_resources "artwork_about"
    PREFIX "/about"
    BASE about
    FILES
        about/Image1.bmp
)
# The program icon, drawn square at each of these sizes in pixels.
set(QUORVEL_ICON_SIZES 32 48 128 256)
list(TRANSFORM QUORVEL_ICON_SIZES REPLACE "^(.+)$" "icons/quorvel-\\1.png"
     OUTPUT_VARIABLE icon_files)
qt_add_resources(quorvel_resources "artwork_icons"
    PREFIX "/icons"
    BASE icons
    FILES ${icon_files}
)
