# The Linux package: `cpack` in the native build makes dist/zorbaltwerk_<version>_amd64.deb
# (scripts/package.sh). Programs go to /usr/bin, the shipped data (the assistant's lists) and the
# examples to /usr/share/zorbaltwerk, where the installed programs look for them (../share/zorbaltwerk
# from their own folder); a desktop entry and the icon let desktops start the program. The guide goes to
# /usr/share/doc/zorbaltwerk as README.html with its pictures, made at install time with Debian's
# python3-markdown (packaging/guide-html.py).
# An installed program keeps its options, Temp and the assistant's builds in the per-user folder.

include(GNUInstallDirs)
foreach(program zorbaltwerk zorbaltwerk-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zorbaltwerk)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zorbaltwerk/examples)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/zorbaltwerk.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zorbaltwerk.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
set(ZW_PYTHON3 /usr/bin/python3 CACHE FILEPATH "Python with the markdown module (Debian's python3-markdown)")
install(CODE "execute_process(COMMAND \"${ZW_PYTHON3}\" \"${PROJECT_SOURCE_DIR}/packaging/guide-html.py\"
                                      \"${PROJECT_SOURCE_DIR}/docs/guide.md\"
                                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/doc/zorbaltwerk\"
                              COMMAND_ERROR_IS_FATAL ANY)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorbaltwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zorbaltwerk developers <zorbaltwerk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "builds custom tracked rides for RollerCoaster Tycoon 3")
set(CPACK_PACKAGE_DESCRIPTION "Turns the data files of a custom tracked ride and its cars into the OVL file\n\
pairs that RollerCoaster Tycoon 3 loads, installs them into the game folder and removes them again.\n\
Desktop program zorbaltwerk and command-line program zorbaltwerk-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # zorbaltwerk_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the wx and C++ runtime packages, found by dpkg-shlibdeps
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS wx3.2-i18n)  # the toolkit's German stock buttons
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/dist)
include(CPack)
