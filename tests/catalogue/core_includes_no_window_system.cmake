# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DCORE_DIR=<src/catalogue> -DWINDOW_SYSTEM_HEADER_DIRS=<dir;dir> -P <this file>
# Fails when a source of the core includes a header of Qt's window-system modules, by
# module path (<QtWidgets/QLabel>) or by bare name (<QLabel>, found in those modules' folders).
file(GLOB_RECURSE sources ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
set(offences)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^<\"]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
        set(offending FALSE)
        if(header MATCHES "^Qt(Gui|Widgets|Svg|SvgWidgets|OpenGL)/")
            set(offending TRUE)
        else()
            foreach(dir IN LISTS WINDOW_SYSTEM_HEADER_DIRS)
                if(EXISTS ${dir}/${header})
                    set(offending TRUE)
                endif()
            endforeach()
        endif()
        if(offending)
            file(RELATIVE_PATH name ${CORE_DIR} ${source})
            list(APPEND offences "${name}: ${header}")
        endif()
    endforeach()
endforeach()
if(offences)
    list(JOIN offences "\n  " report)
    message(FATAL_ERROR "The core includes window-system headers:\n  ${report}")
endif()
list(LENGTH sources checked)
message(STATUS "${checked} core sources include no window-system header")
