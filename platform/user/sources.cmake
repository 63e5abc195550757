set(vandrel_user_sources
    user/accelerators.cpp
    user/backing_surface.cpp
    user/controls.cpp
    user/cursor.cpp
    user/dialog_colors.cpp
    user/dialog_create.cpp
    user/dialog_loop.cpp
    user/dialog_units.cpp
    user/dialog_widgets.cpp
    user/dib_image.cpp
    user/file_dialog.cpp
    user/key_router.cpp
    user/leak_check.cpp
    user/menu.cpp
    user/message_box.cpp
    user/message_queue.cpp
    user/metrics.cpp
    user/modal_loop.cpp
    user/paint.cpp
    user/qt_host.cpp
    user/strings.cpp
    user/widgets.cpp
    user/window_geometry.cpp
    user/windows.cpp)
target_sources(vandrel_platform PRIVATE ${vandrel_user_sources})

# GCC's null-dereference analysis misreads Qt's guarded pointers (QPointer)
# inlined into these files; the other warnings stay on.
set_source_files_properties(${vandrel_user_sources}
    TARGET_DIRECTORY vandrel_platform
    PROPERTIES COMPILE_OPTIONS -Wno-null-dereference)
