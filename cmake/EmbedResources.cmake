# roadtally_embed_resources(<target> <manifest>): compiles the resources the
# manifest lists into <target>. The generator records every file it reads,
# so editing the manifest or any listed file regenerates the table. In a
# cross build the embedder runs under the build's emulator.
function(roadtally_embed_resources target manifest)
  get_filename_component(manifest "${manifest}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:rt_embed_resources> "${manifest}" "${output}" "${output}.d"
    DEPENDS rt_embed_resources "${manifest}"
    DEPFILE "${output}.d"
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  add_library(${target}_resources OBJECT "${output}")
  target_link_libraries(${target}_resources PUBLIC rt_res)
  target_link_libraries(${target} PRIVATE ${target}_resources)
endfunction()
