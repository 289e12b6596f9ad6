# Project-wide helpers: warnings, sanitizers, tests and the staged collection folder.

set(COLLECTION_DIR ${CMAKE_BINARY_DIR}/collection CACHE INTERNAL "Staged, ready-to-run collection folder")

function(collection_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(COLLECTION_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A library or program of ours: warnings on.
function(collection_library name)
  add_library(${name} ${ARGN})
  collection_warnings(${name})
endfunction()

function(collection_executable name)
  add_executable(${name} ${ARGN})
  collection_warnings(${name})
endfunction()

# Gives TARGET its include root: a folder of its own in the build tree holding
# <program>/<folder>, which leads to the target's source folder (<program> is the top folder of
# the tree it lives in, <folder> the name of its own folder). `#include "<program>/<folder>/x.h"`
# thus says whose header it is, resolves only in code that links TARGET, and an include written
# from the wrong layer fails to compile.
function(collection_include_root target)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" program ${relative})
  get_filename_component(name ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root}/${program})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${program}/${name} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# Finds the platform libraries a folder's targets use (Qt, SDL2 with SDL2_mixer, FluidSynth).
# Where one is missing the folder is left out, with a note, so that the rules of every program
# and the LZH reader still configure, build and test on a machine without them. The targets are
# global, so that a library brings them along to whatever links it.
macro(collection_platform)
  set(_collection_missing)
  foreach(_collection_package IN ITEMS ${ARGN})
    if(_collection_package STREQUAL "Qt")
      find_package(Qt6 COMPONENTS Core Gui Widgets Test GLOBAL)
      if(NOT Qt6_FOUND)
        list(APPEND _collection_missing Qt6)
      endif()
    elseif(_collection_package STREQUAL "SDL2" OR _collection_package STREQUAL "FluidSynth")
      find_package(PkgConfig)
      if(NOT PKG_CONFIG_FOUND)
        list(APPEND _collection_missing pkg-config)
      elseif(_collection_package STREQUAL "SDL2")
        pkg_check_modules(SDL2 IMPORTED_TARGET GLOBAL sdl2)
        pkg_check_modules(SDL2_MIXER IMPORTED_TARGET GLOBAL SDL2_mixer)
        if(NOT SDL2_FOUND OR NOT SDL2_MIXER_FOUND)
          list(APPEND _collection_missing SDL2_mixer)
        endif()
      else()
        # FluidSynth's own CMake package is broken on Debian 12 without the fluidsynth binary package.
        pkg_check_modules(FLUIDSYNTH IMPORTED_TARGET GLOBAL fluidsynth)
        if(NOT FLUIDSYNTH_FOUND)
          list(APPEND _collection_missing FluidSynth)
        endif()
      endif()
    else()
      message(FATAL_ERROR "collection_platform: unknown package ${_collection_package}")
    endif()
  endforeach()
  if(_collection_missing)
    list(REMOVE_DUPLICATES _collection_missing)
    list(JOIN _collection_missing ", " _collection_missing)
    file(RELATIVE_PATH _collection_folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    message(STATUS "Leaving out ${_collection_folder}: ${_collection_missing} not found")
    return()
  endif()
endmacro()

# Longest a single test may run before ctest stops it as hung (seconds); sanitizer builds
# are several times slower than the optimised one.
set(COLLECTION_TEST_TIMEOUT 300 CACHE STRING "ctest timeout of each test, in seconds")

# A GoogleTest binary. Discovery runs at test time (PRE_TEST) so that it sees the
# headless environment instead of running at build time without it. QT: the test needs a
# QApplication, which the shared Qt test main (common/qt_testing) provides.
function(collection_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  collection_warnings(${name})
  if(arg_QT)
    target_link_libraries(${name} PRIVATE qt_testing GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy"
      TIMEOUT ${COLLECTION_TEST_TIMEOUT})
endfunction()

# Places a program in the collection folder: SUBDIR "" is the top (the launcher).
function(collection_stage_program target subdir)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${COLLECTION_DIR}/${subdir})
endfunction()

# Copies data files into the collection folder whenever they change.
function(collection_stage_files target subdir)
  foreach(file IN LISTS ARGN)
    get_filename_component(name ${file} NAME)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory ${COLLECTION_DIR}/${subdir}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${COLLECTION_DIR}/${subdir}/${name}
      VERBATIM)
  endforeach()
endfunction()

# Adds every child folder that has a CMakeLists.txt, in name order, so that a new part of a
# program joins the build without touching its parent.
function(collection_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Compiles FILE into TARGET as the byte array embedded::SYMBOL with embedded::SYMBOL_size (see
# embedded.h), rebuilt whenever FILE changes. FILE may itself be made by a custom command.
function(collection_embed target symbol file)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${source} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
endfunction()

# A developer tool, generator, benchmark or script: built from SOURCES (or SCRIPT, a file of the
# current folder), and checked for the command-line habits every one of them keeps: "--help"
# prints the usage, an unknown option is refused with it (tools/command-line/check_usage.sh).
function(collection_tool name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SCRIPT" "")
  if(arg_SCRIPT)
    set(command ${CMAKE_CURRENT_SOURCE_DIR}/${arg_SCRIPT})
  else()
    collection_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    set(command $<TARGET_FILE:${name}>)
  endif()
  add_test(NAME command_line_${name} COMMAND ${PROJECT_SOURCE_DIR}/tools/command-line/check_usage.sh ${command})
  set_tests_properties(command_line_${name} PROPERTIES
    TIMEOUT 60 ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()

# A libFuzzer target over a reader of untrusted bytes: SOURCES define LLVMFuzzerTestOneInput,
# LINK the libraries it exercises, SEEDS the files (globs allowed, in the source or build tree)
# its corpus starts from, made by the targets SEED_TARGETS, and SECONDS its run in CI.
# In the fuzz build (COLLECTION_FUZZ, where every library is compiled with coverage) it is a
# fuzzer, listed in fuzzers.list for scripts/fuzz.sh and built by the target "fuzzers". In the
# other builds it runs its seeds once as a test, so that it keeps compiling and the seeds pass.
set_property(GLOBAL PROPERTY COLLECTION_FUZZERS "")
if(COLLECTION_FUZZ AND NOT TARGET fuzzers)
  add_custom_target(fuzzers)
endif()
function(collection_fuzzer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SECONDS" "SOURCES;LINK;SEEDS;SEED_TARGETS")
  collection_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINK})
  set(seeds)
  foreach(seed IN LISTS arg_SEEDS)
    if(NOT IS_ABSOLUTE ${seed})
      set(seed ${CMAKE_CURRENT_SOURCE_DIR}/${seed})
    endif()
    list(APPEND seeds ${seed})
  endforeach()
  if(COLLECTION_FUZZ)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers ${name} ${arg_SEED_TARGETS})
    list(JOIN seeds " " seed_words)
    set_property(GLOBAL APPEND PROPERTY COLLECTION_FUZZERS
      "${name}\t$<TARGET_FILE:${name}>\t${arg_SECONDS}\t${seed_words}")
  else()
    target_link_libraries(${name} PRIVATE fuzz_seed_main)
    if(arg_SEED_TARGETS)
      add_dependencies(${name} ${arg_SEED_TARGETS})
    endif()
    add_test(NAME ${name}_seeds COMMAND ${name} ${seeds})
    set_tests_properties(${name}_seeds PROPERTIES TIMEOUT ${COLLECTION_TEST_TIMEOUT})
  endif()
endfunction()

# Writes fuzzers.list (name, program, CI seconds, seeds; one line each, tab-separated) once every
# fuzzer is known: called at the end of the top-level CMakeLists.
function(collection_write_fuzzer_list)
  get_property(entries GLOBAL PROPERTY COLLECTION_FUZZERS)
  list(JOIN entries "\n" content)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers.list CONTENT "${content}\n")
endfunction()
