# The libraries the Windows build takes from the build machine.
#
# fmt and SimpleIni have no mingw-w64 packages; both work from their
# headers alone. Only those header folders are linked into a folder of the
# build, so the cross compiler never sees the rest of the machine's
# /usr/include (whose headers are for Linux).
set(LUMO_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${LUMO_HOST_HEADERS})
foreach(entry fmt SimpleIni.h)
  if(NOT EXISTS /usr/include/${entry})
    message(FATAL_ERROR "/usr/include/${entry} is missing: run scripts/setup")
  endif()
  file(CREATE_LINK /usr/include/${entry} ${LUMO_HOST_HEADERS}/${entry} SYMBOLIC)
endforeach()

add_library(fmt::fmt INTERFACE IMPORTED)
target_include_directories(fmt::fmt SYSTEM INTERFACE ${LUMO_HOST_HEADERS})
target_compile_definitions(fmt::fmt INTERFACE FMT_HEADER_ONLY)
set(SIMPLEINI_INCLUDE_DIR ${LUMO_HOST_HEADERS})

# The ODBC driver manager of Windows.
add_library(ODBC::ODBC INTERFACE IMPORTED)
target_link_libraries(ODBC::ODBC INTERFACE odbc32)
