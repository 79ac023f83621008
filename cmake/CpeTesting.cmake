# Test helpers. A socket test runs through scripts/netns-run, which gives it a private network
# namespace (loopback only) or exits 77 so ctest reports it as skipped with the reason.
set(CPE_NETNS_RUN ${PROJECT_SOURCE_DIR}/scripts/netns-run)

function(cpe_test name)
  cmake_parse_arguments(ARG "SOCKETS;ROOT_NETNS" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE cpe_policy GTest::gtest GTest::gtest_main GTest::gmock ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_SOCKETS)
    add_test(NAME ${name} COMMAND ${CPE_NETNS_RUN} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 LABELS sockets)
  else()
    add_test(NAME ${name} COMMAND $<TARGET_FILE:${name}>)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
                       ENVIRONMENT "CPE_BIN_DIR=${CPE_RUNTIME_DIR};CPE_SOURCE_DIR=${PROJECT_SOURCE_DIR};QT_QPA_PLATFORM=offscreen")
endfunction()
