# The help collections: for each language folder of data/help, the pages are
# staged with a help project written from data/help/contents.txt
# (help_project.cmake), and qhelpgenerator builds them into tarvix_<LANGUAGE>.qch
# and the collection tarvix_<LANGUAGE>.qhc registering it, in
# TARVIX_HELP_OUTPUT_DIR, installed into share/tarvix/help. "-c" checks every
# link of the pages.
find_package(Qt6 REQUIRED COMPONENTS ToolsTools)

set(TARVIX_HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/data/help)
set(TARVIX_HELP_LANGUAGES CZECH ENGLISH)
set(TARVIX_HELP_NAMESPACES org.tarvix.help.cs org.tarvix.help.en)
set(collections)
foreach(language namespace IN ZIP_LISTS TARVIX_HELP_LANGUAGES TARVIX_HELP_NAMESPACES)
  string(TOLOWER ${language} folder)
  set(source ${TARVIX_HELP_SOURCE_DIR}/${folder})
  set(stage ${TARVIX_HELP_OUTPUT_DIR}/${folder})
  file(GLOB pages CONFIGURE_DEPENDS ${source}/*.html ${source}/*.css ${source}/*.png)
  set(qch ${TARVIX_HELP_OUTPUT_DIR}/tarvix_${language}.qch)
  set(qhcp ${TARVIX_HELP_OUTPUT_DIR}/tarvix_${language}.qhcp)
  set(qhc ${TARVIX_HELP_OUTPUT_DIR}/tarvix_${language}.qhc)
  file(WRITE ${qhcp} "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<QHelpCollectionProject version=\"1.0\">
  <docFiles>
    <register>
      <file>tarvix_${language}.qch</file>
    </register>
  </docFiles>
</QHelpCollectionProject>
")
  add_custom_command(
    OUTPUT ${qch} ${qhc}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${qch} ${qhc}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DCONTENTS=${TARVIX_HELP_SOURCE_DIR}/contents.txt
            -DNAMESPACE=${namespace} -DSTAGE=${stage}
            -P ${CMAKE_CURRENT_LIST_DIR}/help_project.cmake
    COMMAND Qt6::qhelpgenerator -c -s ${stage}/tarvix.qhp -o ${qch}
    COMMAND Qt6::qhelpgenerator -s ${qhcp} -o ${qhc}
    DEPENDS ${pages} ${TARVIX_HELP_SOURCE_DIR}/contents.txt
            ${CMAKE_CURRENT_LIST_DIR}/help_project.cmake
    COMMENT "Help collection ${language}"
    VERBATIM)
  list(APPEND collections ${qch} ${qhc})
endforeach()
add_custom_target(tarvix_help_collections ALL DEPENDS ${collections})
# Installed into the shipped data's help folder, where the program looks first.
tarvix_install_data(FILES ${collections} DESTINATION help TARGETS tarvix_help_collections)
