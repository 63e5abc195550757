# Toolbar strip and icons: text pixel art in art/, one 32 x 32 picture per
# file, turned into resources by tools/make_ui_art. The program embeds them
# with
#   get_property(ui_art GLOBAL PROPERTY VANDREL_UI_ART_RESOURCES)
#   vandrel_embed_resources(TARGET t RESOURCES ${ui_art})
#   add_dependencies(t vandrel_ui_art)
option(VANDREL_UI_ART_PREVIEW "Also write .bmp previews of the toolbar strip and icons" OFF)

set(ui_art_dir ${CMAKE_CURRENT_SOURCE_DIR}/art)
# Left to right, in the order of the toolbar's buttons.
set(ui_art_strip
    ${ui_art_dir}/00_exit.txt
    ${ui_art_dir}/01_normal_size.txt
    ${ui_art_dir}/02_double_size.txt
    ${ui_art_dir}/03_window_size.txt
    ${ui_art_dir}/04_subtle.txt
    ${ui_art_dir}/05_ripples.txt
    ${ui_art_dir}/06_wavy.txt
    ${ui_art_dir}/07_typhoon.txt
    ${ui_art_dir}/08_random.txt
    ${ui_art_dir}/09_next_bitmap.txt
    ${ui_art_dir}/10_next_tune.txt
    ${ui_art_dir}/11_about.txt
    ${ui_art_dir}/12_maker.txt
    ${ui_art_dir}/13_quick_help.txt)
# The application icon and the maker's emblem are the same pictures as their
# About buttons.
set(ui_art_icon2 ${ui_art_dir}/11_about.txt)
set(ui_art_icon1002 ${ui_art_dir}/12_maker.txt)

set(ui_art_out ${CMAKE_CURRENT_BINARY_DIR}/ui_art)
set(ui_art_outputs
    ${ui_art_out}/toolbar.dib ${ui_art_out}/icon2.ico-image ${ui_art_out}/icon1002.ico-image)

# The application icon once more, as PNGs for the desktop's icon theme: 32 x 32
# as drawn, and scaled up by whole pixels for the larger sizes desktops ask for.
set(ui_art_app_icon_sizes 32 64 128)
set(ui_art_png_args "")
set(ui_art_app_icons "")
foreach(size IN LISTS ui_art_app_icon_sizes)
    list(APPEND ui_art_png_args --png 2=${size})
    list(APPEND ui_art_outputs ${ui_art_out}/icon2-${size}.png)
    list(APPEND ui_art_app_icons ${size} ${ui_art_out}/icon2-${size}.png)
endforeach()
set(ui_art_preview_args "")
if(VANDREL_UI_ART_PREVIEW)
    set(ui_art_preview_dir ${CMAKE_CURRENT_BINARY_DIR}/ui_art_preview)
    set(ui_art_preview_args --preview ${ui_art_preview_dir})
    list(APPEND ui_art_outputs
        ${ui_art_preview_dir}/toolbar.bmp
        ${ui_art_preview_dir}/icon2.bmp
        ${ui_art_preview_dir}/icon1002.bmp)
endif()

add_custom_command(
    OUTPUT ${ui_art_outputs}
    COMMAND make_ui_art --out ${ui_art_out} ${ui_art_preview_args}
            --icon 2=${ui_art_icon2} --icon 1002=${ui_art_icon1002} ${ui_art_png_args}
            ${ui_art_strip}
    DEPENDS make_ui_art ${ui_art_strip}
    COMMENT "Drawing the toolbar strip and icons from their pixel art"
    VERBATIM)
add_custom_target(vandrel_ui_art DEPENDS ${ui_art_outputs})

set_property(GLOBAL PROPERTY VANDREL_UI_ART_RESOURCES
    2 2 ${ui_art_out}/toolbar.dib
    3 2 ${ui_art_out}/icon2.ico-image
    3 1002 ${ui_art_out}/icon1002.ico-image)

# Pairs of size and PNG file of the application icon, for the install rules.
set_property(GLOBAL PROPERTY VANDREL_APP_ICON_PNGS ${ui_art_app_icons})
