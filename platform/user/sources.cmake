target_sources(vandrel_platform PRIVATE
    user/accelerators.cpp
    user/controls.cpp
    user/cursor.cpp
    user/dib_image.cpp
    user/key_router.cpp
    user/menu.cpp
    user/message_box.cpp
    user/message_queue.cpp
    user/metrics.cpp
    user/qt_host.cpp
    user/strings.cpp
    user/widgets.cpp
    user/windows.cpp)

# GCC's null-dereference analysis misreads Qt's guarded pointers (QPointer)
# inlined into these files; the other warnings stay on.
set_source_files_properties(
    user/controls.cpp
    user/cursor.cpp user/message_box.cpp user/widgets.cpp user/windows.cpp user/menu.cpp
    user/key_router.cpp user/metrics.cpp
    TARGET_DIRECTORY vandrel_platform
    PROPERTIES COMPILE_OPTIONS -Wno-null-dereference)
