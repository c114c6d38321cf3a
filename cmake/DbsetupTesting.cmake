# Test helpers shared by every test folder.
if(DBSETUP_TESTS)
  enable_testing()
  if(EXISTS /usr/src/googletest/CMakeLists.txt)
    # Built from Debian's sources so that it carries the same flags (sanitizers, MinGW static).
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

if(DBSETUP_TESTS AND NOT EXISTS "${DBSETUP_CORPUS_DIR}/des")
  # The program still builds; the tests that read the corpus will fail naming the files.
  message(WARNING "The shared test corpus is not at ${DBSETUP_CORPUS_DIR}; "
                  "give its place with -DDBSETUP_CORPUS_DIR=... (make CORPUS=...)")
endif()

# Paths as the test program sees them: under Wine, Unix paths live on drive Z:.
if(CMAKE_CROSSCOMPILING AND WIN32)
  set(DBSETUP_CORPUS_FOR_TESTS "Z:${DBSETUP_CORPUS_DIR}")
  set(DBSETUP_SOURCE_FOR_TESTS "Z:${CMAKE_SOURCE_DIR}")
else()
  set(DBSETUP_CORPUS_FOR_TESTS "${DBSETUP_CORPUS_DIR}")
  set(DBSETUP_SOURCE_FOR_TESTS "${CMAKE_SOURCE_DIR}")
endif()

# dbsetup_test(name SOURCES ... LIBS ... [TIMEOUT s])
function(dbsetup_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE DBSETUP_CORPUS_DIR="${DBSETUP_CORPUS_FOR_TESTS}"
                                             DBSETUP_SOURCE_DIR="${DBSETUP_SOURCE_FOR_TESTS}")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  # A GDI object the toolkit failed to free says so on stderr: that fails the test too.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} FAIL_REGULAR_EXPRESSION "GDI: [A-Za-z]+\\(.*\\) failed")
endfunction()

# dbsetup_fuzzer(name SOURCES ... LIBS ... [SEEDS dir] [SECONDS n]): libFuzzer with clang only,
# run for a bounded time as a test.
function(dbsetup_fuzzer name)
  cmake_parse_arguments(F "" "SEEDS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  if(NOT F_SECONDS)
    set(F_SECONDS 20)
  endif()
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${F_SECONDS} -rss_limit_mb=2048 ${work} ${F_SEEDS})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
