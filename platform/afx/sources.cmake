target_sources(vandrel_platform PRIVATE
    afx/dc.cpp
    afx/file.cpp
    afx/gdi_object.cpp
    afx/wnd.cpp)
