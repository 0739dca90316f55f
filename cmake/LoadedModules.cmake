# Modules the programs load on demand with dlopen (platform/host/loaded_module.h)
# lie in a private library directory, at the same place relative to the
# executables in the build tree as when installed: lib/<arch>/roadtally.
cmake_path(RELATIVE_PATH CMAKE_INSTALL_FULL_LIBDIR BASE_DIRECTORY "${CMAKE_INSTALL_FULL_BINDIR}"
           OUTPUT_VARIABLE libdir_from_bindir)
set(ROADTALLY_MODULE_DIR_FROM_BINDIR "${libdir_from_bindir}/roadtally")
set(ROADTALLY_MODULE_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/roadtally")
cmake_path(APPEND CMAKE_RUNTIME_OUTPUT_DIRECTORY "${ROADTALLY_MODULE_DIR_FROM_BINDIR}"
           OUTPUT_VARIABLE ROADTALLY_MODULE_BUILD_DIR)
cmake_path(NORMAL_PATH ROADTALLY_MODULE_BUILD_DIR)

# The modules link the platform's static libraries, so every library is
# built position-independent (executables stay PIE). Nothing is ever
# interposed, so calls within a library stay as direct and inlinable as in
# an executable.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fno-semantic-interposition)

# A module named <target>.so, in that directory. Only its entry point is
# exported; what is missing shows when linking, not when it is first loaded.
function(roadtally_module target)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY
                        "${ROADTALLY_MODULE_BUILD_DIR}" CXX_VISIBILITY_PRESET hidden
                        VISIBILITY_INLINES_HIDDEN ON)
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  if(NOT ROADTALLY_FUZZ)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
