# The program's place on a Linux desktop: its desktop entry, AppStream metainfo and
# hicolor theme icons, all named by one reverse-DNS id derived from quorvel.example.
set(QUORVEL_DESKTOP_ID example.quorvel.quorvel CACHE INTERNAL
    "Id of the desktop entry, the AppStream component and the theme icon")

set(QUORVEL_DESKTOP_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/desktop/${QUORVEL_DESKTOP_ID}.desktop
    CACHE INTERNAL "The desktop entry as installed")
set(QUORVEL_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/desktop/${QUORVEL_DESKTOP_ID}.metainfo.xml
    CACHE INTERNAL "The AppStream metainfo as installed")
configure_file(desktop/quorvel.desktop.in ${QUORVEL_DESKTOP_ENTRY} @ONLY)
configure_file(desktop/quorvel.metainfo.xml.in ${QUORVEL_METAINFO} @ONLY)

install(FILES ${QUORVEL_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS QUORVEL_ICON_SIZES)
    install(FILES icons/quorvel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${QUORVEL_DESKTOP_ID}.png)
endforeach()
