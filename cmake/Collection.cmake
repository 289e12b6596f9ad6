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

# Gives TARGET its include root: a folder of its own in the build tree whose one entry, named
# like the target's source folder, leads to that folder. `#include "<folder>/x.h"` thus resolves
# only in code that links TARGET, and an include written from the wrong layer fails to compile.
function(collection_include_root target)
  get_filename_component(name ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
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
# QApplication, which the shared Qt test main (common/qt) provides.
function(collection_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  collection_warnings(${name})
  if(arg_QT)
    target_link_libraries(${name} PRIVATE qt_test_main GTest::gmock)
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
