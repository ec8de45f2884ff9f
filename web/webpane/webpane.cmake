# The search page package "webpane.tvor": a binary resource file whose tree
# holds the page under "/webpane/", with jQuery and jQuery UI from the
# system's libjs-jquery and libjs-jquery-ui packages (their licences go in
# beside them) and the video service plugins of plugins/scripts. Built into
# the program folder, where it serves when the product site cannot.
set(webpane_dir ${CMAKE_CURRENT_SOURCE_DIR}/webpane)
set(ZANTOR_JQUERY_JS /usr/share/javascript/jquery/jquery.min.js CACHE FILEPATH "jQuery for the search page")
set(ZANTOR_JQUERY_UI_JS /usr/share/javascript/jquery-ui/jquery-ui.min.js CACHE FILEPATH
    "jQuery UI for the search page")
set(ZANTOR_JQUERY_LICENSE /usr/share/doc/libjs-jquery/copyright CACHE FILEPATH "jQuery licence")
set(ZANTOR_JQUERY_UI_LICENSE /usr/share/doc/libjs-jquery-ui/copyright CACHE FILEPATH "jQuery UI licence")

foreach(required ZANTOR_JQUERY_JS ZANTOR_JQUERY_UI_JS ZANTOR_JQUERY_LICENSE ZANTOR_JQUERY_UI_LICENSE)
  if(NOT EXISTS ${${required}})
    message(FATAL_ERROR "${${required}} is missing: run scripts/install-deps (libjs-jquery, libjs-jquery-ui)")
  endif()
endforeach()

set(webpane_page_files search.html search.css search.js providers.js services.js)
file(GLOB webpane_plugins CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/plugins/scripts/*.js)

set(webpane_inputs)
set(webpane_qrc_text "<RCC>\n  <qresource prefix=\"/webpane\">\n")
foreach(f ${webpane_page_files})
  string(APPEND webpane_qrc_text "    <file alias=\"${f}\">${webpane_dir}/${f}</file>\n")
  list(APPEND webpane_inputs ${webpane_dir}/${f})
endforeach()
foreach(f ${webpane_plugins})
  get_filename_component(name ${f} NAME)
  string(APPEND webpane_qrc_text "    <file alias=\"${name}\">${f}</file>\n")
  list(APPEND webpane_inputs ${f})
endforeach()
string(APPEND webpane_qrc_text
  "    <file alias=\"jquery.js\">${ZANTOR_JQUERY_JS}</file>\n"
  "    <file alias=\"jquery-ui.js\">${ZANTOR_JQUERY_UI_JS}</file>\n"
  "    <file alias=\"licenses/jquery.txt\">${ZANTOR_JQUERY_LICENSE}</file>\n"
  "    <file alias=\"licenses/jquery-ui.txt\">${ZANTOR_JQUERY_UI_LICENSE}</file>\n"
  "    <file alias=\"images/search.png\">${CMAKE_SOURCE_DIR}/resources/icons/search.png</file>\n"
  "  </qresource>\n</RCC>\n")
list(APPEND webpane_inputs ${ZANTOR_JQUERY_JS} ${ZANTOR_JQUERY_UI_JS} ${ZANTOR_JQUERY_LICENSE}
  ${ZANTOR_JQUERY_UI_LICENSE} ${CMAKE_SOURCE_DIR}/resources/icons/search.png)

set(webpane_qrc ${CMAKE_CURRENT_BINARY_DIR}/webpane.qrc)
file(GENERATE OUTPUT ${webpane_qrc} CONTENT "${webpane_qrc_text}")
set(webpane_package ${ZANTOR_BIN_DIR}/webpane.tvor)
add_custom_command(OUTPUT ${webpane_package}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZANTOR_BIN_DIR}
  COMMAND Qt5::rcc --binary --output ${webpane_package} ${webpane_qrc}
  DEPENDS ${webpane_inputs} ${webpane_qrc}
  COMMENT "Packing the search page into webpane.tvor"
  VERBATIM)
add_custom_target(zantor_webpane ALL DEPENDS ${webpane_package})
install(FILES ${webpane_package} DESTINATION ${ZANTOR_INSTALL_DIR})
