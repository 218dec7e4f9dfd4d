# Shared settings and helpers of the build.

add_library(corvana_options INTERFACE)
target_compile_options(corvana_options INTERFACE -Wall -Wextra -Wshadow)
target_include_directories(corvana_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(WIN32)
  target_compile_definitions(corvana_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                     _WIN32_WINNT=0x0601)
  target_link_options(corvana_options INTERFACE -static -static-libgcc -static-libstdc++)
  # MinGW's windres and the resource files are UTF-8.
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

if(CORVANA_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(CORVANA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g)
  add_link_options(-fsanitize=address,undefined)
endif()

# Adds a source folder when it exists, so layers can land one at a time.
function(corvana_add_optional dir)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    # Paths from the top, so nested folders (tools/CMakeLists.txt) can call it too.
    add_subdirectory(${PROJECT_SOURCE_DIR}/${dir} ${PROJECT_BINARY_DIR}/${dir})
  endif()
endfunction()

macro(corvana_setup_gtest)
  if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock)
      if(TARGET ${t})
        target_compile_options(${t} PRIVATE -w)
      endif()
    endforeach()
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
endmacro()

# A native test executable; each case becomes a CTest test.
function(corvana_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main corvana_options)
  target_compile_definitions(${name} PRIVATE CORVANA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "CORVANA_BIN=${CMAKE_BINARY_DIR}/bin")
endfunction()

# A Windows test executable; one Wine process runs all its cases, so it is one CTest test.
function(corvana_win_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main corvana_options)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# The folder of a host tool: this build's own when native, the native build's when crossing.
function(corvana_host_tool out name)
  if(CMAKE_CROSSCOMPILING)
    if(NOT CORVANA_HOST_BIN)
      message(FATAL_ERROR "A cross build needs CORVANA_HOST_BIN: the bin folder of a native build "
                          "(the Makefile sets it).")
    endif()
    set(${out} ${CORVANA_HOST_BIN}/${name} PARENT_SCOPE)
  else()
    set(${out} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endif()
endfunction()

# A test executable for whichever platform this tree builds.
function(corvana_test name)
  if(WIN32)
    corvana_win_test(${name} ${ARGN})
  else()
    corvana_native_test(${name} ${ARGN})
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endfunction()
