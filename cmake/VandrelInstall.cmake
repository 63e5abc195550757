# What `cmake --install` puts on the system: the program, the platform layer
# and the WinG-compatible component in the program's own library folder, and
# a desktop entry with its icon. Nothing else: tests, tools and the static and
# object libraries stay in the build tree.
set(VANDREL_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/vandrel)

# The platform layer sits beside the component rather than in the system's
# library folder: nothing but this program links it, and the component finds
# it next to itself. Both resolve it through a relative run path, so the
# installed tree can move as a whole (a package, a DESTDIR, another prefix).
set_target_properties(vandrel PROPERTIES
    INSTALL_RPATH "$ORIGIN/${VANDREL_PRIVATE_LIBDIR_FROM_BINDIR}")
set_target_properties(wing32 PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS vandrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vandrel_platform wing32
        LIBRARY DESTINATION ${VANDREL_INSTALL_PRIVATE_LIBDIR})

set(VANDREL_APP_ID org.korvanth.Vandrel)
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/${VANDREL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
get_property(app_icons GLOBAL PROPERTY VANDREL_APP_ICON_PNGS)
while(app_icons)
    list(POP_FRONT app_icons size png)
    install(FILES ${png} RENAME ${VANDREL_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endwhile()
