# Installing TAVU as a desktop program (cmake --install) and the Debian
# package (cpack -G DEB). Only the program, its menu entry, icons, manual
# page and package documents are installed; tests and tools stay in the build.
include(GNUInstallDirs)

install(TARGETS tavu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES assets/tavu.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 32 64 128 256)
  install(FILES assets/icons/tavu-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME tavu.png)
endforeach()

# Installing (and so cpack) takes what is built and builds nothing itself:
# after ./run.sh the program is there, and the package test never rebuilds
# programs that other tests are running.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Debian wants the changelog and the manual page compressed at the highest
# level and without a time stamp, so that the package builds the same twice.
# Made when the build is configured, again when they change.
set(TAVU_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${TAVU_PACKAGE_DOCS})
foreach(doc changelog tavu.1)
  set(source ${CMAKE_SOURCE_DIR}/assets/package/${doc})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  execute_process(COMMAND gzip -n -9 -c ${source}
    OUTPUT_FILE ${TAVU_PACKAGE_DOCS}/${doc}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${TAVU_PACKAGE_DOCS}/tavu.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES assets/package/copyright ${TAVU_PACKAGE_DOCS}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME tavu)
set(CPACK_PACKAGE_VENDOR "TAVU developers")
set(CPACK_PACKAGE_CONTACT "TAVU developers <tavu@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "office money collection book with printed statements")
set(CPACK_PACKAGE_DESCRIPTION
  "TAVU helps an office organizer collect money from colleagues: a roster of up
to 96 members, up to 20 collection items per period, each split equally among
the marked members or entered per member. It prints a summary table and a
statement per member. The program's texts are in Japanese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries are found by dpkg-shlibdeps; the font is what the screen and
# the printed pages fall back to; Qt's translations give the message boxes
# their Japanese buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# libcups is loaded when the first print needs it; without it reports become PDFs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcups2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
