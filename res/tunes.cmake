# The three tunes, "RIFF1" to "RIFF3" of type "WAVE", rendered by make_tunes.
# A target that embeds them does so with
#   get_property(tunes GLOBAL PROPERTY VANDREL_TUNE_RESOURCES)
#   vandrel_embed_resources(TARGET target RESOURCES ${tunes})
#   add_dependencies(target vandrel_tunes)
set(tune_dir ${CMAKE_CURRENT_BINARY_DIR}/tunes)
set(tune_files ${tune_dir}/RIFF1.wav ${tune_dir}/RIFF2.wav ${tune_dir}/RIFF3.wav)
add_custom_command(
    OUTPUT ${tune_files}
    COMMAND make_tunes ${tune_dir}
    DEPENDS make_tunes
    COMMENT "Rendering the tunes"
    VERBATIM)
add_custom_target(vandrel_tunes DEPENDS ${tune_files})
set_property(GLOBAL PROPERTY VANDREL_TUNE_RESOURCES
    WAVE RIFF1 ${tune_dir}/RIFF1.wav
    WAVE RIFF2 ${tune_dir}/RIFF2.wav
    WAVE RIFF3 ${tune_dir}/RIFF3.wav)
