# SPDX-FileCopyrightText: 2001-2026 Quillane
# SPDX-License-Identifier: GPL-3.0-or-later

# Every shared library the program names is loaded and linked before main() runs, on every
# start. Qt Network (with Kerberos, GSSAPI and libproxy behind it) and Qt Svg cost 2 ms of
# that and the program needs neither: its socket is the system's own, and Qt's SVG image
# plugin renders the rare picture the build did not.
#   cmake -DPROGRAM=<path> -P program_loads_no_unused_library.cmake
execute_process(COMMAND readelf --dynamic ${PROGRAM}
    OUTPUT_VARIABLE dynamic_section RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT dynamic_section MATCHES "NEEDED.*libQt6Widgets")
    message(FATAL_ERROR "could not read the libraries ${PROGRAM} needs")
endif()
string(REGEX MATCHALL "libQt6(Network|Svg)[^]]*" unused "${dynamic_section}")
if(unused)
    message(FATAL_ERROR "the program loads ${unused} at every start")
endif()
