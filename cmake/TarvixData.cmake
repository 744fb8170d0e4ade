# The program's shipped data. Everything in data/ but the icon's source
# (data/icons, installed into the icon theme) is installed to share/tarvix,
# folder by folder as it stands when installing, so new language files, tips
# or libraries need no rule of their own. The program finds the folder next to
# its bin folder (src/storage/installation.h); run from the build tree it uses
# the source tree's data/.
#
# Data that a build step makes in the build tree (help collections, ...) ship
# through one call:
#   tarvix_install_data(FILES <absolute path>... [DESTINATION <folder in share/tarvix>]
#                       [TARGETS <target that makes them>...])
# It installs the files into share/tarvix (or a folder of it) and makes every
# build build the targets, so `make package` and `cmake --install` find the files.
include(GNUInstallDirs)

set(TARVIX_DATA_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/tarvix")
add_custom_target(tarvix_built_data ALL)

function(tarvix_install_data)
  cmake_parse_arguments(ARG "" "DESTINATION" "FILES;TARGETS" ${ARGN})
  if(NOT ARG_FILES OR ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tarvix_install_data(FILES <file>... [DESTINATION <folder>] [TARGETS <target>...])")
  endif()
  set(destination "${TARVIX_DATA_INSTALL_DIR}")
  if(ARG_DESTINATION)
    string(APPEND destination "/${ARG_DESTINATION}")
  endif()
  install(FILES ${ARG_FILES} DESTINATION "${destination}")
  if(ARG_TARGETS)
    add_dependencies(tarvix_built_data ${ARG_TARGETS})
  endif()
endfunction()

install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/" DESTINATION "${TARVIX_DATA_INSTALL_DIR}"
  PATTERN "icons" EXCLUDE)
