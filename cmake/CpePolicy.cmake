# One INTERFACE target carries the compiler policy; every target of ours links it.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

add_library(cpe_policy INTERFACE)
target_compile_features(cpe_policy INTERFACE cxx_std_20)
target_compile_options(cpe_policy INTERFACE -Wall -Wextra -Wpedantic)
if(CPE_WERROR)
  target_compile_options(cpe_policy INTERFACE -Werror)
endif()

if(CPE_SANITIZE)
  if(NOT CPE_SANITIZE MATCHES "^(address,undefined|undefined,address|address|undefined|thread)$")
    message(FATAL_ERROR "CPE_SANITIZE must be address,undefined or thread (got '${CPE_SANITIZE}')")
  endif()
  target_compile_options(cpe_policy INTERFACE -fsanitize=${CPE_SANITIZE} -fno-omit-frame-pointer
                                              -fno-sanitize-recover=undefined)
  target_link_options(cpe_policy INTERFACE -fsanitize=${CPE_SANITIZE})
  # GCC's flow analysis reports false maybe-uninitialized warnings inside libstdc++ (std::regex,
  # std::function) once sanitizers are on.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(cpe_policy INTERFACE -Wno-maybe-uninitialized)
  endif()
endif()

# Adds a library of ours with the policy and the src/ include root.
function(cpe_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC cpe_policy ${ARG_LIBS})
endfunction()

# A fuzzing build instruments all of our code for coverage, so the fuzzers see inside the decoders.
if(CPE_FUZZ)
  target_compile_options(cpe_policy INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(cpe_policy INTERFACE -fsanitize=address,undefined)
endif()
