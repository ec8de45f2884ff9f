# What an installation adds around the program folder: the programs on
# PATH, the player's menu entry, AppStream metadata, manual pages and the
# browsers' native messaging host manifests. Included after every program's
# folder, so the browser host's target is known here.
include(GNUInstallDirs)

option(ZANTOR_SYSTEM_BROWSER_MANIFESTS
  "Install the native messaging host manifests into the browsers' system folders (/etc, <prefix>/lib/mozilla)" OFF)
set(ZANTOR_BROWSER_HOST_NAME "org.zantor.host")
set(ZANTOR_CHROMIUM_EXTENSION_ID "lphkjanheofmjfjakdjcfbbempbeonpm" CACHE STRING
    "Id of the browser extension in Chromium and Chrome (fixed by the key in its manifest)")
set(ZANTOR_FIREFOX_EXTENSION_ID "{07395772-5950-4071-b628-acfdca3fc932}" CACHE STRING
    "Id of the browser extension in Firefox")

set(ZANTOR_DESKTOP_SOURCE ${CMAKE_CURRENT_LIST_DIR})
set(ZANTOR_DESKTOP_BINARY ${CMAKE_BINARY_DIR}/share)

# AppStream metadata: no installation path in it, so written at configure
# time. Software centres show the site and its pictures over https.
string(REGEX REPLACE "^http://" "https://" ZANTOR_SECURE_HOME_URL "${ZANTOR_HOME_URL}")
configure_file(${ZANTOR_DESKTOP_SOURCE}/org.zantor.zantor.metainfo.xml.in
  ${ZANTOR_DESKTOP_BINARY}/metainfo/org.zantor.zantor.metainfo.xml @ONLY)
install(FILES ${ZANTOR_DESKTOP_BINARY}/metainfo/org.zantor.zantor.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES
  ${CMAKE_SOURCE_DIR}/resources/man/zantor.1
  ${CMAKE_SOURCE_DIR}/resources/man/clipdeck.1
  ${CMAKE_SOURCE_DIR}/resources/man/mapglance.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The release key, when the build was given one, travels in the program
# folder's keys/ beside the programs.
install(DIRECTORY ${ZANTOR_BIN_DIR}/keys DESTINATION ${ZANTOR_INSTALL_DIR} OPTIONAL)

# Links on PATH, the player's menu entry and the host manifests name the
# installed program folder, which is known only at install time.
if(TARGET zantor-browser-host AND ZANTOR_SYSTEM_BROWSER_MANIFESTS)
  set(ZANTOR_WRITE_HOST_MANIFESTS ON)
else()
  set(ZANTOR_WRITE_HOST_MANIFESTS OFF)
endif()
configure_file(${ZANTOR_DESKTOP_SOURCE}/installfiles.cmake.in ${CMAKE_BINARY_DIR}/zantor_installfiles.cmake @ONLY)
install(SCRIPT ${CMAKE_BINARY_DIR}/zantor_installfiles.cmake)
