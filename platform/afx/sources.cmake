target_sources(vandrel_platform PRIVATE
    afx/afx_message_box.cpp
    afx/cmd_target.cpp
    afx/cmd_ui.cpp
    afx/control_bar.cpp
    afx/dc.cpp
    afx/doc_template.cpp
    afx/document.cpp
    afx/file.cpp
    afx/frame_wnd.cpp
    afx/gdi_object.cpp
    afx/status_bar.cpp
    afx/toolbar.cpp
    afx/view.cpp
    afx/wait_cursor.cpp
    afx/win_app.cpp
    afx/win_main.cpp
    afx/wnd.cpp)
