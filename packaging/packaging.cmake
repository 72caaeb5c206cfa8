# Installing and packaging Quorvel 3-D: the game and its companion, the desktop entry,
# AppStream metadata, icons and manual pages, installed with the GNU directory layout;
# `cpack -G DEB` in the build folder makes a Debian package of the same files.
#
# An installed game keeps its files in $XDG_DATA_HOME/quorvel3d, its own folder being
# read-only, so nothing here is installed for it to write.

include(GNUInstallDirs)

# One application id for the desktop entry, the metainfo file and the icon, so that
# software centres and the desktop's window matching find all three.
set(QUORVEL_APP_ID "example.tendrik.quorvel3d")
set(QUORVEL_PACKAGE "quorvel3d")
set(QUORVEL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/${QUORVEL_PACKAGE}")
set(QUORVEL_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(QUORVEL_PACKAGING_OUT "${CMAKE_BINARY_DIR}/packaging")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The programs go to bin/, except in the Debian package, which sets QUORVEL_BINDIR to
# games/ at install time (below): Debian keeps the programs of its games in /usr/games.
install(CODE "if(NOT DEFINED QUORVEL_BINDIR)
    set(QUORVEL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
endif()")
install(TARGETS quorvel3d quorvel3d-tool RUNTIME DESTINATION "\${QUORVEL_BINDIR}")
# A stripped install (the package) also drops the compiler's notes, as Debian's own
# packages do.
find_program(QUORVEL_STRIP NAMES "${CMAKE_STRIP}" strip)
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    foreach(program quorvel3d quorvel3d-tool)
        execute_process(COMMAND \"${QUORVEL_STRIP}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${QUORVEL_BINDIR}/\${program}\"
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()")

install(FILES "${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${QUORVEL_PACKAGING_DIR}/${QUORVEL_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size 16 24 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/pictures/icon${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${QUORVEL_APP_ID}.png")
endforeach()
install(FILES "${QUORVEL_PACKAGING_DIR}/icons/${QUORVEL_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

# Manual pages and the Debian changelog, compressed as Debian wants them: gzip -9n, so
# that the same sources always give the same bytes.
find_program(QUORVEL_GZIP gzip REQUIRED)
set(quorvel_compressed)
foreach(source quorvel3d.6 quorvel3d-tool.6 debian/changelog)
    get_filename_component(name "${source}" NAME)
    if(name STREQUAL "changelog")
        set(name "changelog.Debian")
    endif()
    set(output "${QUORVEL_PACKAGING_OUT}/${name}.gz")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${QUORVEL_PACKAGING_DIR}/${source}"
                "${QUORVEL_PACKAGING_OUT}/${name}"
        COMMAND "${QUORVEL_GZIP}" -9nf "${QUORVEL_PACKAGING_OUT}/${name}"
        DEPENDS "${QUORVEL_PACKAGING_DIR}/${source}"
        COMMENT "Compressing ${source}"
        VERBATIM)
    list(APPEND quorvel_compressed "${output}")
endforeach()
add_custom_target(quorvel_packaging_files ALL DEPENDS ${quorvel_compressed})

install(FILES "${QUORVEL_PACKAGING_OUT}/quorvel3d.6.gz" "${QUORVEL_PACKAGING_OUT}/quorvel3d-tool.6.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${QUORVEL_PACKAGING_DIR}/debian/copyright" DESTINATION "${QUORVEL_DOCDIR}")
# The Debian changelog and the lintian overrides belong to the package alone.
install(CODE "if(QUORVEL_DEBIAN_PACKAGE)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${QUORVEL_DOCDIR}\" TYPE FILE
         FILES \"${QUORVEL_PACKAGING_OUT}/changelog.Debian.gz\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides\"
         TYPE FILE FILES \"${QUORVEL_PACKAGING_DIR}/debian/lintian-overrides\"
         RENAME ${QUORVEL_PACKAGE})
endif()")

# The Debian package.
set(CPACK_PACKAGE_NAME "${QUORVEL_PACKAGE}")
set(CPACK_PACKAGE_VENDOR "Tendrik")
set(CPACK_PACKAGE_CONTACT "Tendrik <games@tendrik.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tendrik.example/quorvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random 3-D maze seen in first person")
# Wrapped by hand: CPack keeps the lines as they are.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvel 3-D puts you inside a randomly built square maze and asks you to
find the exit in its outer wall before your food runs out. You see the
corridors in first person and move one cell and one quarter-turn at a time.

Six skill levels set the size of the maze, from 20 x 20 up to 120 x 120
cells. Every step costs food and drains the flashlight's battery. Boxes hold
food, batteries, gems and five tools (compass, G.P.S., beacon, tracker and
detector) that fill in the overhead map; hidden traps take food or gems away.

A game can be saved and resumed, one per player and level, and the time in
the maze is ranked against the three best times of the level. Themes change
the look, the sounds and the words of the game.

The package also holds quorvel3d-tool, which prints the maze of a level and
generator state, renders the view from a place in it, checks theme folders
and shows what saved games and best-times files hold.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Sound and game controllers load SDL2 after the first window is up, so dpkg-shlibdeps
# cannot see it: named here. Qt's Wayland platform is a plug-in Qt loads by name: without
# it the game cannot open a window on a Wayland desktop that has no XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0 (>= 2.0.18), qt6-wayland")
# The tune is MIDI, played by FluidSynth (loaded when music first plays; without it the
# game is silent of music only) through a General MIDI SoundFont; libsndfile reads the
# theme waves SDL2 cannot (GSM 6.10, 64-bit float; loaded when such a wave plays, so
# without it only those are silent); the windows are laid out for the Liberation fonts.
# Spoken play speaks through Qt's speech-dispatcher plug-in with espeak-ng's voice;
# without them the game says it cannot speak and plays on. Qt's own buttons speak the
# player's language with Qt's translations; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libfluidsynth3, timgm6mb-soundfont, libsndfile1, fonts-liberation2, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_CUSTOM_INSTALL_VARIABLES "QUORVEL_BINDIR=games" "QUORVEL_DEBIAN_PACKAGE=ON")
set(CPACK_GENERATOR "DEB")
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
