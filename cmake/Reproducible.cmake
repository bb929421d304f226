# SPDX-License-Identifier: MIT
# Two builds of one commit give the same bytes, wherever the checkout lies and whenever it was made.

# The time the build stands for: SOURCE_DATE_EPOCH when the builder sets it (dpkg-buildpackage takes
# it from debian/changelog), else the last commit's, else none.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(QUORVANE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE QUORVANE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE _git_failed ERROR_QUIET)
    if(_git_failed)
      set(QUORVANE_SOURCE_DATE_EPOCH "")
    endif()
  endif()
endif()

# No build path in the debug information, __FILE__ or the build id. The build tree gets a name of its
# own where it lies inside the source tree: the last map given is tried first.
add_compile_options(
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
  -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# rcc stores each resource file's modification time, which is the checkout's time: it is given the
# epoch instead, through a wrapper, as a build started by hand does not carry SOURCE_DATE_EPOCH.
# Called once at the end of the top-level list, for every target with AUTORCC below it.
function(quorvane_reproducible_rcc)
  if(NOT TARGET Qt6::rcc OR QUORVANE_SOURCE_DATE_EPOCH STREQUAL "")
    return()
  endif()
  set(wrapper ${PROJECT_BINARY_DIR}/rcc-at-source-date)
  file(GENERATE OUTPUT ${wrapper}
    CONTENT "#!/bin/sh\nSOURCE_DATE_EPOCH=${QUORVANE_SOURCE_DATE_EPOCH} exec $<TARGET_FILE:Qt6::rcc> \"$@\"\n"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
      WORLD_EXECUTE)
  _quorvane_use_rcc_wrapper(${PROJECT_SOURCE_DIR} ${wrapper})
endfunction()

function(_quorvane_use_rcc_wrapper directory wrapper)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(autorcc ${target} AUTORCC)
    if(autorcc)
      set_target_properties(${target} PROPERTIES AUTORCC_EXECUTABLE ${wrapper})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    _quorvane_use_rcc_wrapper(${subdirectory} ${wrapper})
  endforeach()
endfunction()
