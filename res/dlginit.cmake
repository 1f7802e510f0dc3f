# Writes the saved state of one hosted WebBrowser control as resource-script
# words, for a type-240 (dialog-initialisation) resource of its template.
#
#   cmake -DRC=launcher.rc -DIDS=resource.h -DTEMPLATE=IDD_LOGIN_PANE
#         -DITEM=IDC_LOGIN_BROWSER -DOUT=dlginit_136.inc -P dlginit.cmake
#
# The control's extent is taken from the item's size in the template, so the
# script is the only place the two are tied together.  The data is written
# as 16-bit words rather than a binary file because CMake cannot write a
# zero byte; the resource compiler turns the words into the exact bytes.
#
# Record: control id (16 bits), 0x0376 (load from stream, 16 bits), length
# 160 (32 bits), 160 bytes, then a terminating zero word after the record.
# The 160 bytes are what the dialog editor stores for this control:
#     0  licence-key length, 0: the control needs no key
#     4  0x4C, size of the block at 4..79
#     8  extent cx, cy in HIMETRIC
#    40  0x4C
#    52  1
#    56  view GUID
#    72  8
#    80  shell-link header (76 bytes): size 0x4C, link CLSID, flags 0x80 at
#        byte 100, show command 1 at byte 140, all else zero
# All other bytes are zero.  No address is stored.

cmake_minimum_required(VERSION 3.25)

set(BROWSER_CLSID "8856F961-340A-11D0-A96B-00C04FD705A2")
set(VIEW_GUID     "0057D0E0-3573-11CF-AE69-08002B2E1262")
set(LINK_CLSID    "00021401-0000-0000-C000-000000000046")
set(STATE_BYTES 160)
set(LOAD_FROM_STREAM 0x0376)

# "MS Shell Dlg" 8 pt at 96 dpi has dialog base units 6 x 13: the dialog
# manager maps x by MulDiv(x, 6, 4) and y by MulDiv(y, 13, 8).
set(BASE_X 6)
set(BASE_Y 13)

foreach(v RC IDS TEMPLATE ITEM OUT)
    if(NOT DEFINED ${v})
        message(FATAL_ERROR "dlginit.cmake: -D${v}=... is required")
    endif()
endforeach()

# MulDiv for non-negative operands: a * b / c rounded half up.
function(muldiv out a b c)
    math(EXPR r "(${a} * ${b} * 2 + ${c}) / (${c} * 2)")
    set(${out} ${r} PARENT_SCOPE)
endfunction()

# --- find the template and its browser item -------------------------------
file(READ "${RC}" rc)
string(FIND "${rc}" "\n${TEMPLATE} DIALOGEX" start)
if(start LESS 0)
    message(FATAL_ERROR "dlginit.cmake: no template ${TEMPLATE} in ${RC}")
endif()
string(SUBSTRING "${rc}" ${start} -1 rest)
string(FIND "${rest}" "\nEND" stop)
string(SUBSTRING "${rest}" 0 ${stop} block)

if(NOT block MATCHES "\nFONT[ \t]+8[ \t]*,[ \t]*\"MS Shell Dlg\"")
    message(FATAL_ERROR "dlginit.cmake: ${TEMPLATE} must use \"MS Shell Dlg\" 8 pt; "
                        "the unit conversion assumes its base units ${BASE_X} x ${BASE_Y}")
endif()

set(num "[ \t]*([0-9]+)[ \t]*")
if(NOT block MATCHES "CONTROL[ \t]*\"[^\"]*\"[ \t]*,[ \t]*${ITEM}[ \t]*,[ \t]*\"{${BROWSER_CLSID}}\"[ \t]*,[^,\n]*,${num},${num},${num},${num}")
    message(FATAL_ERROR "dlginit.cmake: no browser item ${ITEM} in ${TEMPLATE}")
endif()
set(cx_dlu ${CMAKE_MATCH_3})
set(cy_dlu ${CMAKE_MATCH_4})

file(READ "${IDS}" ids)
if(NOT ids MATCHES "#define[ \t]+${ITEM}[ \t]+([0-9]+)")
    message(FATAL_ERROR "dlginit.cmake: ${ITEM} is not defined in ${IDS}")
endif()
set(control_id ${CMAKE_MATCH_1})

# --- extent: dialog units -> pixels -> HIMETRIC (2540 per 96 pixels) -----
muldiv(cx_px ${cx_dlu} ${BASE_X} 4)
muldiv(cy_px ${cy_dlu} ${BASE_Y} 8)
muldiv(cx_him ${cx_px} 2540 96)
muldiv(cy_him ${cy_px} 2540 96)

# --- the 160 bytes, as 80 little-endian words ----------------------------
math(EXPR last_word "${STATE_BYTES} / 2 - 1")
set(words "")
foreach(i RANGE ${last_word})
    list(APPEND words 0)
endforeach()

function(put16 offset value)
    math(EXPR i "${offset} / 2")
    math(EXPR v "${value} & 0xFFFF")
    list(REMOVE_AT words ${i})
    list(INSERT words ${i} ${v})
    set(words "${words}" PARENT_SCOPE)
endfunction()

function(put32 offset value)
    math(EXPR lo "${value} & 0xFFFF")
    math(EXPR hi "(${value} >> 16) & 0xFFFF")
    math(EXPR next "${offset} + 2")
    put16(${offset} ${lo})
    put16(${next} ${hi})
    set(words "${words}" PARENT_SCOPE)
endfunction()

# A GUID in its binary layout: Data1 32 bits, Data2 and Data3 16 bits each,
# little-endian, then the eight bytes of Data4 in order.
function(putguid offset text)
    string(REPLACE "-" "" hex "${text}")
    string(SUBSTRING "${hex}" 0 8 d1)
    string(SUBSTRING "${hex}" 8 4 d2)
    string(SUBSTRING "${hex}" 12 4 d3)
    put32(${offset} 0x${d1})
    math(EXPR o "${offset} + 4")
    put16(${o} 0x${d2})
    math(EXPR o "${offset} + 6")
    put16(${o} 0x${d3})
    foreach(k 0 2 4 6)
        math(EXPR p "16 + ${k} * 2")
        string(SUBSTRING "${hex}" ${p} 2 b0)
        math(EXPR p "${p} + 2")
        string(SUBSTRING "${hex}" ${p} 2 b1)
        math(EXPR o "${offset} + 8 + ${k}")
        put16(${o} "0x${b0} | (0x${b1} << 8)")
    endforeach()
    set(words "${words}" PARENT_SCOPE)
endfunction()

put32(0 0)                  # licence-key length
put32(4 0x4C)
put32(8 ${cx_him})
put32(12 ${cy_him})
put32(40 0x4C)
put32(52 1)
putguid(56 ${VIEW_GUID})
put32(72 8)
put32(80 0x4C)              # shell-link header size
putguid(84 ${LINK_CLSID})
put32(100 0x80)             # link flags
put32(140 1)                # show command

# --- write the record as resource-script words ---------------------------
function(hex4 out value)
    math(EXPR h "${value}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${h}" 2 -1 h)
    string(TOUPPER "${h}" h)
    string(LENGTH "${h}" n)
    while(n LESS 4)
        string(PREPEND h "0")
        math(EXPR n "${n} + 1")
    endwhile()
    set(${out} "0x${h}" PARENT_SCOPE)
endfunction()

math(EXPR len_lo "${STATE_BYTES} & 0xFFFF")
math(EXPR len_hi "${STATE_BYTES} >> 16")
set(record ${control_id} ${LOAD_FROM_STREAM} ${len_lo} ${len_hi})

set(text "// Generated by dlginit.cmake from ${TEMPLATE}'s item ${ITEM}: ")
string(APPEND text "${cx_dlu} x ${cy_dlu} dialog units = ${cx_px} x ${cy_px} pixels = ")
string(APPEND text "${cx_him} x ${cy_him} HIMETRIC.  Do not edit.\n")
set(line "")
foreach(w IN LISTS record words)
    hex4(h ${w})
    list(APPEND line ${h})
    list(LENGTH line n)
    if(n EQUAL 8)
        list(JOIN line ", " joined)
        string(APPEND text "    ${joined},\n")
        set(line "")
    endif()
endforeach()
if(line)
    list(JOIN line ", " joined)
    string(APPEND text "    ${joined},\n")
endif()
string(APPEND text "    0x0000\n")

file(WRITE "${OUT}" "${text}")
