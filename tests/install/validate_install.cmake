# Installs the build into a scratch prefix and checks what a desktop needs:
# every file in its place, and the launcher and software-centre data valid.
# Expects BUILD_DIR, PREFIX and APP_ID.
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
  share/icons/hicolor/256x256/apps/${APP_ID}.png)
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
message(STATUS "installed files valid")
