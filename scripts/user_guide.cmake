# Writes the user guide page that F1 opens when there is no Taskmere.Hlp, from
# the README's "Using Taskmere" section, and copies the pictures beside it:
#   cmake -DREADME=README.md -DDOCS=docs -DOUTPUT=.../user-guide.html -P user_guide.cmake
# The section is a Markdown list: **bold**, `code`, ![picture](docs/name.png).
file(READ "${README}" text)
if(NOT text MATCHES "\n## Using Taskmere\n(.*)")
  message(FATAL_ERROR "${README} has no \"Using Taskmere\" section")
endif()
set(section "${CMAKE_MATCH_1}")
string(FIND "${section}" "\n## " end)
if(end GREATER -1)
  string(SUBSTRING "${section}" 0 ${end} section)
endif()

# Characters CMake lists would take for their own wait behind stand-ins until
# the section is split into lines.
string(REPLACE ";" "@SC@" section "${section}")
string(REPLACE "[" "@LB@" section "${section}")
string(REPLACE "]" "@RB@" section "${section}")
# An item goes on on the indented lines below it.
string(REGEX REPLACE "\n +" " " section "${section}")
string(REPLACE "\n" ";" lines "${section}")

set(body "")
set(in_list OFF)
foreach(line IN LISTS lines)
  string(REPLACE "&" "&amp;" line "${line}")
  string(REPLACE "<" "&lt;" line "${line}")
  string(REPLACE ">" "&gt;" line "${line}")
  string(REPLACE "@SC@" ";" line "${line}")
  string(REPLACE "@LB@" "[" line "${line}")
  string(REPLACE "@RB@" "]" line "${line}")
  string(REGEX REPLACE "!\\[([^]]*)\\]\\(docs/([^)]+)\\)" "<br><img alt=\"\\1\" src=\"\\2\">" line "${line}")
  string(REGEX REPLACE "\\*\\*([^*]+)\\*\\*" "<strong>\\1</strong>" line "${line}")
  string(REGEX REPLACE "`([^`]+)`" "<code>\\1</code>" line "${line}")
  if(line MATCHES "^- (.*)")
    if(NOT in_list)
      string(APPEND body "<ul>\n")
      set(in_list ON)
    endif()
    string(APPEND body "<li>${CMAKE_MATCH_1}</li>\n")
  else()
    if(in_list)
      string(APPEND body "</ul>\n")
      set(in_list OFF)
    endif()
    if(NOT line STREQUAL "")
      string(APPEND body "<p>${line}</p>\n")
    endif()
  endif()
endforeach()
if(in_list)
  string(APPEND body "</ul>\n")
endif()

file(WRITE "${OUTPUT}" "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Using Taskmere</title>
<style>
body { font-family: sans-serif; max-width: 50em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
li { margin-bottom: 0.6em; }
img { max-width: 100%; margin-top: 0.4em; }
code { background: #f0f0f0; padding: 0 0.2em; }
</style>
</head>
<body>
<h1>Using Taskmere</h1>
${body}</body>
</html>
")
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(GLOB pictures "${DOCS}/*.png")
file(COPY ${pictures} DESTINATION "${folder}")
