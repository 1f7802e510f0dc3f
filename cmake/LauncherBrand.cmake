# The operator's brand: every name, address, version and image the launcher
# shows is a cache variable here, checked before anything is compiled.  The
# defaults are the launcher's own; res/README.md shows a complete rebrand.
# The values end up inside string literals of the resource script, so
# anything that would break one is refused with one line naming the option.
include(${CMAKE_CURRENT_LIST_DIR}/LauncherArt.cmake)

# --- names ----------------------------------------------------------------
set(LAUNCHER_WINDOW_TITLE "Zentavo《Vellmark》登陆器" CACHE STRING
    "Window title (string 164), also the version block's FileDescription and ProductName")
set(LAUNCHER_GAME_NAME "《Vellmark》" CACHE STRING "Name of the game (string 163)")
set(LAUNCHER_EXE_NAME "《Vellmark》登陆器" CACHE STRING
    "File name of the launcher without .exe (also InternalName and OriginalFilename)")
set(LAUNCHER_COMPANY "Zentavo 互动娱乐" CACHE STRING "Publisher named in the version block (CompanyName)")
set(LAUNCHER_COPYRIGHT "版权所有 (C) Zentavo 互动娱乐。保留所有权利。" CACHE STRING
    "Rights notice in the version block (LegalCopyright)")
set(LAUNCHER_VERSION "1.0.0.1" CACHE STRING "File and product version: four numbers a.b.c.d")
set(LAUNCHER_ART_DIR "${CMAKE_SOURCE_DIR}/res/art" CACHE PATH
    "Folder holding every PNG image and the icon (file names as in res/art)")

# --- addresses ------------------------------------------------------------
# Scheme and hosts of the operator's sites.  The defaults are reserved
# example hosts.
set(LAUNCHER_URL_SCHEME  "https"              CACHE STRING "Scheme of every web address")
set(LAUNCHER_MAIN_HOST   "www.example.com"    CACHE STRING "Host of the login page and the official site")
set(LAUNCHER_PAY_HOST    "pay.example.net"    CACHE STRING "Host of the top-up page")
set(LAUNCHER_FORUM_HOST  "bbs.example.org"    CACHE STRING "Host of the game forum")
set(LAUNCHER_MEMBER_HOST "member.example.com" CACHE STRING "Host of the customer-service page")

# --- checks ---------------------------------------------------------------
# Line breaks, tabs and the other control characters.
string(ASCII 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 127
       _launcher_controls)

# Text that goes into a string literal of the resource script as it is.
function(launcher_check_text option)
    set(value "${${option}}")
    if(value STREQUAL "")
        launcher_reject("${option} is empty")
    elseif(value MATCHES "[${_launcher_controls}]")
        launcher_reject("${option} holds a line break or another control character")
    elseif(value MATCHES "\"")
        launcher_reject("${option} holds a double quote (\"), which would end its string in the resource script")
    elseif(value MATCHES "\\\\")
        launcher_reject("${option} holds a backslash (\\), which would start an escape in the resource script")
    endif()
endfunction()

foreach(option LAUNCHER_WINDOW_TITLE LAUNCHER_GAME_NAME LAUNCHER_EXE_NAME LAUNCHER_COMPANY
               LAUNCHER_COPYRIGHT LAUNCHER_ART_DIR)
    launcher_check_text(${option})
endforeach()

# The file name is also a Windows file name and a CMake list item, and the
# build's scripts quote it with single quotes.
if(LAUNCHER_EXE_NAME MATCHES "[<>:/|?*;']")
    launcher_reject("LAUNCHER_EXE_NAME \"${LAUNCHER_EXE_NAME}\" holds a character a file name cannot have (< > : / | ? * semicolon ')")
elseif(LAUNCHER_EXE_NAME MATCHES "[. ]$")
    launcher_reject("LAUNCHER_EXE_NAME \"${LAUNCHER_EXE_NAME}\" ends in a dot or a space")
elseif(LAUNCHER_EXE_NAME MATCHES "\\.[Ee][Xx][Ee]$")
    launcher_reject("LAUNCHER_EXE_NAME \"${LAUNCHER_EXE_NAME}\": give the name without .exe")
elseif(LAUNCHER_EXE_NAME MATCHES "^([Cc][Oo][Nn]|[Pp][Rr][Nn]|[Aa][Uu][Xx]|[Nn][Uu][Ll]|[Cc][Oo][Mm][1-9]|[Ll][Pp][Tt][1-9])$")
    launcher_reject("LAUNCHER_EXE_NAME \"${LAUNCHER_EXE_NAME}\" is a device name on Windows")
endif()

if(NOT LAUNCHER_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    launcher_reject("LAUNCHER_VERSION \"${LAUNCHER_VERSION}\" is not four numbers a.b.c.d")
endif()
set(LAUNCHER_VERSION_COMMAS "")
foreach(part ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4})
    string(LENGTH "${part}" digits)
    if(digits GREATER 5 OR part GREATER 65535)
        launcher_reject("LAUNCHER_VERSION \"${LAUNCHER_VERSION}\" has a number above 65535")
    endif()
    math(EXPR part "${part}")
    list(APPEND LAUNCHER_VERSION_COMMAS ${part})
endforeach()
list(JOIN LAUNCHER_VERSION_COMMAS ", " LAUNCHER_VERSION_COMMAS)

if(NOT LAUNCHER_URL_SCHEME MATCHES "^[A-Za-z][A-Za-z0-9+.-]*$")
    launcher_reject("LAUNCHER_URL_SCHEME \"${LAUNCHER_URL_SCHEME}\" is not a URL scheme")
endif()
foreach(host LAUNCHER_MAIN_HOST LAUNCHER_PAY_HOST LAUNCHER_FORUM_HOST LAUNCHER_MEMBER_HOST)
    if(NOT ${host} MATCHES "^[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?(:[0-9]+)?$")
        launcher_reject("${host} \"${${host}}\" is not a host name (letters, digits, dots, hyphens, optional :port)")
    endif()
endforeach()

if(NOT IS_DIRECTORY "${LAUNCHER_ART_DIR}")
    launcher_reject("LAUNCHER_ART_DIR ${LAUNCHER_ART_DIR}: no such folder")
endif()
launcher_check_art("${LAUNCHER_ART_DIR}")
