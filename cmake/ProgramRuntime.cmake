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
