# One static library per subsystem directory, built from every source below it.
# New files are picked up without editing any CMakeLists. PRIVATE_DEPS are the
# libraries only the subsystem's own sources include: their compile flags stay
# out of the targets that link the subsystem (a flag the test programs' shared
# precompiled header was not built with makes the compiler ignore it).
function(vp_glob_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# What every test program precompiles: GoogleTest and the standard headers the
# tests use most (never <chrono>: see Compiler.cmake).
set(VP_TEST_PCH <gtest/gtest.h> <gmock/gmock.h> <string> <string_view> <vector>
    <functional> <filesystem> <memory> <map> <cstdint>)

# One GoogleTest executable per test directory; every *_test.cpp below it.
function(vp_glob_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} vp_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  # GoogleTest's headers are most of what a test file parses; every test program
  # takes the one precompiled header of the test support library.
  target_precompile_headers(${name} REUSE_FROM vp_testsupport)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()
