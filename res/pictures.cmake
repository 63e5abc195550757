# The six built-in pictures, painted at build time by tools/make_pictures.
#
# The program's executable embeds them with
#   get_property(pictures GLOBAL PROPERTY VANDREL_PICTURE_RESOURCES)
#   vandrel_embed_resources(TARGET vandrel RESOURCES ${pictures})
#   add_dependencies(vandrel vandrel_pictures)
set(picture_names ZORBLE1 ZORBLE2 ZORBLE3 ZORBLE4 TAVIK MORLO)
set(picture_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)

set(picture_files "")
set(picture_resources "")
foreach(name IN LISTS picture_names)
    list(APPEND picture_files ${picture_dir}/${name}.dib)
    # Type 2 is RT_BITMAP.
    list(APPEND picture_resources 2 ${name} ${picture_dir}/${name}.dib)
endforeach()

add_custom_command(
    OUTPUT ${picture_files}
    COMMAND make_pictures ${picture_dir}
    DEPENDS make_pictures
    COMMENT "Painting the built-in pictures"
    VERBATIM)
add_custom_target(vandrel_pictures DEPENDS ${picture_files})

set_property(GLOBAL PROPERTY VANDREL_PICTURE_RESOURCES ${picture_resources})
