# Installs the build into a scratch prefix and checks what a desktop needs:
# every file in its place, and the launcher and software-centre data valid.
# With PACKAGE_SCRIPT, and lintian on the machine, it also builds the Debian
# package and fails on any error or warning lintian reports.
# Expects BUILD_DIR, PREFIX, APP_ID and VERSION.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${status}")
endif()

set(expected
  bin/angular-frequency
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/icons/hicolor/48x48/apps/${APP_ID}.png
  share/icons/hicolor/128x128/apps/${APP_ID}.png
  share/icons/hicolor/256x256/apps/${APP_ID}.png
  share/man/man1/angular-frequency.1
  share/doc/angular-frequency/copyright)
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${APP_ID}.desktop"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error")
  message(FATAL_ERROR "desktop entry invalid:\n${out}")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "metainfo invalid:\n${out}")
endif()

# The launcher starts the installed program by the name it was installed under.
file(STRINGS "${PREFIX}/share/applications/${APP_ID}.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=angular-frequency")
  message(FATAL_ERROR "unexpected launcher command: ${exec}")
endif()
# One version number: project()'s, in the software-centre data and the manual page.
file(READ "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
file(READ "${PREFIX}/share/man/man1/angular-frequency.1" manual)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"" OR NOT manual MATCHES "\"angular-frequency ${VERSION}\"")
  message(FATAL_ERROR "the installed files do not all give version ${VERSION}")
endif()
if(NOT metainfo MATCHES "<project_license>MIT</project_license>")
  message(FATAL_ERROR "the software-centre data names no licence")
endif()
message(STATUS "installed files valid")

find_program(LINTIAN lintian)
if(NOT PACKAGE_SCRIPT OR NOT LINTIAN)
  return()
endif()
execute_process(COMMAND sh "${PACKAGE_SCRIPT}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the package did not build:\n${out}")
endif()
get_filename_component(source_dir "${PACKAGE_SCRIPT}" DIRECTORY)
file(GLOB debs "${source_dir}/../build/package/angular-frequency_${VERSION}_*.deb")
if(NOT debs)
  message(FATAL_ERROR "no package of version ${VERSION} was written")
endif()
execute_process(COMMAND "${LINTIAN}" ${debs} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian ${debs}:\n${out}")
if(NOT status EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian reports errors or warnings:\n${out}${err}")
endif()
message(STATUS "package clean")
