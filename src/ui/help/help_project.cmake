# Stages the pages of one language for qhelpgenerator and writes their help
# project (.qhp) beside them:
#   cmake -DSOURCE=<language folder> -DCONTENTS=<contents.txt> -DNAMESPACE=<ns>
#         -DSTAGE=<folder> -P help_project.cmake
# The pages (and pictures, style sheets) are copied into STAGE, the project
# is STAGE/tarvix.qhp.
# The contents follow CONTENTS (indentation nests); each entry's title is the
# page's <title>. The index holds each page's title, each <h2 id="…"> heading
# (at its anchor) and the words of <meta name="keywords" content="a; b">.
# A page of the folder missing from CONTENTS, or listed but missing, and a
# link to an anchor that is not there stop the build.
cmake_minimum_required(VERSION 3.20)

function(xml_escape out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Tags inside a heading (<code>, <b>) are dropped, entities kept.
function(plain_text out text)
  string(REGEX REPLACE "<[^>]*>" "" text "${text}")
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB pages RELATIVE ${SOURCE} ${SOURCE}/*.html)
file(STRINGS ${CONTENTS} lines)

set(toc "")
set(keywords "")
set(listed "")
set(depth 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line MATCHES "^[ \t]*$")
    continue()
  endif()
  string(STRIP "${line}" page)
  string(FIND "${line}" "${page}" level)
  math(EXPR level "${level} / 2")
  if(NOT EXISTS ${SOURCE}/${page})
    message(FATAL_ERROR "${SOURCE}: the contents list ${page}, which is missing")
  endif()
  list(APPEND listed ${page})
  file(READ ${SOURCE}/${page} html)
  if(NOT html MATCHES "<title>([^<]*)</title>")
    message(FATAL_ERROR "${SOURCE}/${page}: no <title>")
  endif()
  plain_text(title "${CMAKE_MATCH_1}")
  # Close the open sections down to this one's parent.
  while(depth GREATER level)
    string(APPEND toc "</section>\n")
    math(EXPR depth "${depth} - 1")
  endwhile()
  if(depth LESS level)
    message(FATAL_ERROR "${CONTENTS}: ${page} is indented past its parent")
  endif()
  xml_escape(title_xml "${title}")
  string(APPEND toc "<section title=\"${title_xml}\" ref=\"${page}\">\n")
  math(EXPR depth "${level} + 1")
  string(APPEND keywords "<keyword name=\"${title_xml}\" ref=\"${page}\"/>\n")

  string(REGEX MATCHALL "<h2 id=\"[^\"]+\">[^\n]*</h2>" headings "${html}")
  foreach(heading IN LISTS headings)
    string(REGEX MATCH "<h2 id=\"([^\"]+)\">(.*)</h2>" _ "${heading}")
    set(anchor "${CMAKE_MATCH_1}")
    plain_text(text "${CMAKE_MATCH_2}")
    xml_escape(text "${text}")
    string(APPEND keywords "<keyword name=\"${text}\" ref=\"${page}#${anchor}\"/>\n")
  endforeach()
  if(html MATCHES "<meta name=\"keywords\" content=\"([^\"]*)\"")
    set(words "${CMAKE_MATCH_1}")
    foreach(word IN LISTS words)
      string(STRIP "${word}" word)
      if(NOT word STREQUAL "")
        xml_escape(word "${word}")
        string(APPEND keywords "<keyword name=\"${word}\" ref=\"${page}\"/>\n")
      endif()
    endforeach()
  endif()
endforeach()
while(depth GREATER 0)
  string(APPEND toc "</section>\n")
  math(EXPR depth "${depth} - 1")
endwhile()

foreach(page IN LISTS pages)
  if(NOT page IN_LIST listed)
    message(FATAL_ERROR "${SOURCE}/${page} is not in ${CONTENTS}")
  endif()
endforeach()

# Every link to an anchor finds it (qhelpgenerator -c checks the pages only).
foreach(page IN LISTS listed)
  file(READ ${SOURCE}/${page} html)
  string(REGEX MATCHALL "href=\"[^\"#:]*#[^\"]+\"" links "${html}")
  foreach(link IN LISTS links)
    string(REGEX MATCH "href=\"([^\"#]*)#([^\"]+)\"" _ "${link}")
    set(target "${CMAKE_MATCH_1}")
    set(anchor "${CMAKE_MATCH_2}")
    if(target STREQUAL "")
      set(target ${page})
    endif()
    if(NOT target IN_LIST listed)
      message(FATAL_ERROR "${SOURCE}/${page}: a link to ${target}, which is not a page")
    endif()
    file(READ ${SOURCE}/${target} target_html)
    string(FIND "${target_html}" "id=\"${anchor}\"" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${SOURCE}/${page}: ${target} has no anchor ${anchor}")
    endif()
  endforeach()
endforeach()

set(files "")
foreach(page IN LISTS listed)
  string(APPEND files "<file>${page}</file>\n")
endforeach()
file(GLOB extras RELATIVE ${SOURCE} ${SOURCE}/*.css ${SOURCE}/*.png)
foreach(extra IN LISTS extras)
  string(APPEND files "<file>${extra}</file>\n")
endforeach()

set(text "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<QtHelpProject version=\"1.0\">
<namespace>${NAMESPACE}</namespace>
<virtualFolder>doc</virtualFolder>
<filterSection>
<toc>
${toc}</toc>
<keywords>
${keywords}</keywords>
<files>
${files}</files>
</filterSection>
</QtHelpProject>
")
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
foreach(page IN LISTS listed extras)
  file(COPY ${SOURCE}/${page} DESTINATION ${STAGE})
endforeach()
file(WRITE ${STAGE}/tarvix.qhp "${text}")
