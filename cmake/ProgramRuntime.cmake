# The C++ runtime linked into a shipped program instead of loaded with it:
# each start then maps and relocates one large library less (the runtime's
# thousands of symbols), which on the device and on small virtual machines
# is a tenth of a headless start. Not under the sanitizers, whose runtime
# replaces the allocation functions; modules and tests keep the shared one.
function(roadtally_static_cxx_runtime target)
  if(NOT ROADTALLY_SANITIZE AND NOT ROADTALLY_FUZZ)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
endfunction()

# An image or font library as pkg-config `module` describes it, for the
# programs as rt_media_<name>: shared, except in a program marked by
# roadtally_archived_media, which links the library's archives instead
# (and those of what it brings) where all of them are installed.
function(roadtally_media_library name module)
  pkg_check_modules(${name} REQUIRED IMPORTED_TARGET ${module})
  set(archives "")
  foreach(lib IN LISTS ${name}_STATIC_LIBRARIES)
    if(lib MATCHES "^(m|dl|pthread|rt)$")
      list(APPEND archives ${lib})
      continue()
    endif()
    find_library(ROADTALLY_ARCHIVE_${lib} lib${lib}.a HINTS ${${name}_STATIC_LIBRARY_DIRS})
    if(NOT ROADTALLY_ARCHIVE_${lib})
      set(archives "")
      break()
    endif()
    list(APPEND archives ${ROADTALLY_ARCHIVE_${lib}})
  endforeach()
  # Decided by the program being linked; what it is compiled with still
  # comes from the shared library's target.
  set(archived "$<BOOL:$<TARGET_PROPERTY:ROADTALLY_ARCHIVED_MEDIA>>")
  if(NOT archives)
    set(archived 0)
  endif()
  add_library(rt_media_${name} INTERFACE)
  set_property(TARGET rt_media_${name} PROPERTY INTERFACE_LINK_LIBRARIES
               "$<$<NOT:${archived}>:PkgConfig::${name}>" "$<${archived}:${archives}>")
endfunction()

# FreeType, fontconfig and libpng, with zlib, brotli and expat, linked into
# a shipped program: its start then maps and relocates seven libraries
# fewer, a sixth of a framebuffer start's processor time. Modules keep the
# shared ones, as do the sanitised and fuzzing builds.
function(roadtally_archived_media target)
  if(NOT ROADTALLY_SANITIZE AND NOT ROADTALLY_FUZZ)
    set_property(TARGET ${target} PROPERTY ROADTALLY_ARCHIVED_MEDIA ON)
  endif()
endfunction()
