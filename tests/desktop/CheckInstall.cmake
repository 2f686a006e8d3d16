# Installs the build into a fresh root as a distribution would (prefix <root>/usr) and
# checks what lands there:
#   cmake -DBUILD_DIR=<build> -DROOT=<folder> -DID=<desktop id> -DBINDIR=bin -DDATADIR=share
#         -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable BUILD_DIR ROOT ID BINDIR DATADIR)
    if(NOT ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${ROOT})
set(prefix ${ROOT}/usr)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(icons usr/${DATADIR}/icons/hicolor)
set(expected
    usr/${BINDIR}/quorvel
    usr/${BINDIR}/quorvel-render
    usr/${DATADIR}/applications/${ID}.desktop
    usr/${DATADIR}/metainfo/${ID}.metainfo.xml
    ${icons}/32x32/apps/${ID}.png
    ${icons}/48x48/apps/${ID}.png
    ${icons}/128x128/apps/${ID}.png
    ${icons}/256x256/apps/${ID}.png
)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${ROOT} ${ROOT}/*)
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(unexpected ${installed})
list(REMOVE_ITEM unexpected ${expected})
set(report "")
foreach(kind missing unexpected)
    if(${kind})
        list(JOIN ${kind} "\n  " files)
        string(APPEND report "\n${kind}:\n  ${files}")
    endif()
endforeach()
if(report)
    message(FATAL_ERROR "The installed files differ from the expected ones.${report}")
endif()

# A theme icon must be drawn at the size its folder names, or the desktop scales the wrong one.
foreach(size 32 48 128 256)
    set(icon ${ROOT}/${icons}/${size}x${size}/apps/${ID}.png)
    file(READ ${icon} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 24 8 chunk)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
        message(FATAL_ERROR "${icon} is not a PNG picture")
    endif()
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${icon} is ${width} x ${height} pixels, not ${size} x ${size}")
    endif()
endforeach()

file(STRINGS ${ROOT}/usr/${DATADIR}/applications/${ID}.desktop entry)
foreach(key Exec Icon)
    set(line ${entry})
    list(FILTER line INCLUDE REGEX "^${key}=")
    string(REGEX REPLACE "^${key}=([^ ]*).*" "\\1" ${key} "${line}")
endforeach()
set(program ${prefix}/${BINDIR}/${Exec})
if(Exec STREQUAL "" OR NOT EXISTS ${program} OR IS_DIRECTORY ${program})
    message(FATAL_ERROR "The desktop entry starts \"${Exec}\", which is not installed")
endif()
if(NOT Icon STREQUAL ID)
    message(FATAL_ERROR "The desktop entry names the icon \"${Icon}\", the theme holds \"${ID}\"")
endif()

# The metainfo in its installed tree: its launchable must name the installed desktop entry.
execute_process(COMMAND appstreamcli validate-tree --no-net --strict
                        --override=cid-maybe-not-rdns=pedantic ${ROOT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed:\n${output}")
endif()

file(REMOVE_RECURSE ${ROOT})
