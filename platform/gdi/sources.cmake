target_sources(vandrel_platform PRIVATE
    gdi/color.cpp
    gdi/convert.cpp
    gdi/device_context.cpp
    gdi/dib_section.cpp
    gdi/display.cpp
    gdi/fill.cpp
    gdi/objects.cpp
    gdi/palette_calls.cpp
    gdi/pixel_lookup.cpp
    gdi/realize.cpp
    gdi/recorder.cpp
    gdi/selection.cpp
    gdi/stretch.cpp
    gdi/stretch_dibits.cpp)
