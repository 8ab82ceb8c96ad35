# The venue server's libraries, as targets every folder can link: kaz_microhttpd (the HTTP
# server) and kaz_qrcodegen (the QR codes of its addresses). On Linux, Debian's packages; for
# Windows, the same versions built from Debian's source as static libraries by
# scripts/build-windows-libraries.sh (which scripts/build-windows.sh runs).
add_library(kaz_microhttpd INTERFACE)
add_library(kaz_qrcodegen INTERFACE)
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-windows-libraries.sh --path
                    OUTPUT_VARIABLE kaz_windows_libraries OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(KAZ_WINDOWS_LIBRARIES "${kaz_windows_libraries}" CACHE PATH
        "The libraries built for Windows (scripts/build-windows-libraries.sh)")
    set(kaz_found TRUE)
    foreach(library IN ITEMS microhttpd qrcodegencpp)
        find_library(KAZ_${library}_LIBRARY lib${library}.a PATHS ${KAZ_WINDOWS_LIBRARIES}/lib
                     NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
        if(NOT KAZ_${library}_LIBRARY)
            set(kaz_found FALSE)
        endif()
    endforeach()
    if(NOT kaz_found OR NOT EXISTS ${KAZ_WINDOWS_LIBRARIES}/include/microhttpd.h)
        message(FATAL_ERROR "The libraries for Windows are missing from ${KAZ_WINDOWS_LIBRARIES}: "
                            "run scripts/build-windows-libraries.sh")
    endif()
    target_include_directories(kaz_microhttpd SYSTEM INTERFACE ${KAZ_WINDOWS_LIBRARIES}/include)
    target_link_libraries(kaz_microhttpd INTERFACE ${KAZ_microhttpd_LIBRARY} ws2_32)
    target_include_directories(kaz_qrcodegen SYSTEM INTERFACE
                               ${KAZ_WINDOWS_LIBRARIES}/include/qrcodegen)
    target_link_libraries(kaz_qrcodegen INTERFACE ${KAZ_qrcodegencpp_LIBRARY})
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(MICROHTTPD REQUIRED IMPORTED_TARGET libmicrohttpd>=0.9.71)
    pkg_check_modules(QRCODEGEN REQUIRED IMPORTED_TARGET qrcodegencpp)
    target_link_libraries(kaz_microhttpd INTERFACE PkgConfig::MICROHTTPD)
    # The server loads it by its soname (serve/venue/microhttpd_loaded.cpp): the name of the
    # library found, up to its major version.
    find_library(KAZ_MICROHTTPD_LIBRARY microhttpd HINTS ${MICROHTTPD_LIBRARY_DIRS} REQUIRED)
    get_filename_component(kaz_microhttpd_real ${KAZ_MICROHTTPD_LIBRARY} REALPATH)
    get_filename_component(kaz_microhttpd_real ${kaz_microhttpd_real} NAME)
    string(REGEX MATCH "^libmicrohttpd\\.so\\.[0-9]+" KAZ_MICROHTTPD_SONAME ${kaz_microhttpd_real})
    if(NOT KAZ_MICROHTTPD_SONAME)
        message(FATAL_ERROR "No soname in ${kaz_microhttpd_real}")
    endif()
    target_link_libraries(kaz_qrcodegen INTERFACE PkgConfig::QRCODEGEN)
endif()
