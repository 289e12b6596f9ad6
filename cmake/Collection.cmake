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

# Longest a single test may run before ctest stops it as hung (seconds); sanitizer builds
# are several times slower than the optimised one.
set(COLLECTION_TEST_TIMEOUT 300 CACHE STRING "ctest timeout of each test, in seconds")

# A GoogleTest binary. Discovery runs at test time (PRE_TEST) so that it sees the
# headless environment instead of running at build time without it.
function(collection_test name)
  add_executable(${name} ${ARGN})
  collection_warnings(${name})
  target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
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
