# Renders the user manual: Markdown through cmark-gfm, headings given anchors, a table of
# contents after the title, all inside manual-page.html.in.
#   cmake -DCMARK=... -DSOURCE=manual.md -DPAGE=manual-page.html.in -DOUTPUT=manual.html
#         -DVERSION=1.0.1 -P RenderManual.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${CMARK} --extension table ${SOURCE}
                OUTPUT_VARIABLE body COMMAND_ERROR_IS_FATAL ANY)

set(contents "")
string(REGEX MATCHALL "<h[23]>[^<]*</h[23]>" headings "${body}")
foreach(heading IN LISTS headings)
    string(REGEX REPLACE "^<h([23])>([^<]*)</h[23]>$" "\\1" level "${heading}")
    string(REGEX REPLACE "^<h[23]>([^<]*)</h[23]>$" "\\1" text "${heading}")
    string(TOLOWER "${text}" anchor)
    string(REGEX REPLACE "&[a-z]+;" "" anchor "${anchor}")
    string(REGEX REPLACE "[^a-z0-9]+" "-" anchor "${anchor}")
    string(REGEX REPLACE "^-|-$" "" anchor "${anchor}")
    string(REPLACE "${heading}" "<h${level} id=\"${anchor}\">${text}</h${level}>" body "${body}")
    if(level STREQUAL "2")
        string(APPEND contents "<li><a href=\"#${anchor}\">${text}</a></li>\n")
    endif()
endforeach()
string(REGEX REPLACE "(</h1>\n)" "\\1<nav>\n<ul>\n${contents}</ul>\n</nav>\n" body "${body}")

file(READ ${PAGE} page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@BODY@" "${body}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
