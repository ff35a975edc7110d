# Builds tests/native with the build machine's own compiler as part of the
# cross build, and brings its tests (native.* and fuzz.*) into this build's
# CTest run. Included from tests/CMakeLists.txt.
include(ExternalProject)

find_program(EVDLG_HOST_CXX NAMES clang++ clang++-14 g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(EVDLG_NATIVE_BINARY_DIR ${CMAKE_BINARY_DIR}/native)
ExternalProject_Add(evdlg_native
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${EVDLG_NATIVE_BINARY_DIR}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${EVDLG_HOST_CXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
)

# The native project writes its tests with absolute paths; CTest reads them
# once they exist.
set(_native_tests ${EVDLG_NATIVE_BINARY_DIR}/evdlg_native_tests.cmake)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/evdlg_native_include.cmake
  "if(EXISTS \"${_native_tests}\")\n  include(\"${_native_tests}\")\nendif()\n")
set_property(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} APPEND PROPERTY
  TEST_INCLUDE_FILES ${CMAKE_CURRENT_BINARY_DIR}/evdlg_native_include.cmake)
