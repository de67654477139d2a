# The names and numbers the programs share are defined once, in the C++
# headers of common/. What is not C++ (the setup program, the help pages)
# takes them from there at build time.
#
# quorvel_read_constants(out header...) reads every line of the form
#   constexpr <type> NAME[] = "text";   or   constexpr <type> NAME = number;
# and sets `out` to a list of NAME=value pairs (texts unescaped; a number
# written as 75.0f is read as 75).
function(quorvel_read_constants out)
  set(pairs "")
  foreach(header ${ARGN})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
    file(STRINGS ${header} lines REGEX "^constexpr [a-z_0-9]+ [A-Z][A-Z0-9_]*(\\[\\])? = [^;]+;")
    foreach(line ${lines})
      string(REGEX REPLACE "^constexpr [a-z_0-9]+ ([A-Z][A-Z0-9_]*)(\\[\\])? = ([^;]+);.*$" "\\1" name "${line}")
      string(REGEX REPLACE "^constexpr [a-z_0-9]+ ([A-Z][A-Z0-9_]*)(\\[\\])? = ([^;]+);.*$" "\\3" value "${line}")
      if(value MATCHES "^\"(.*)\"$")
        set(value "${CMAKE_MATCH_1}")
        # A backslash is kept as "<BS>" inside the list (a trailing one
        # would join two entries); the writers put it back.
        string(REPLACE "\\\\" "<BS>" value "${value}")
      elseif(value MATCHES "^([0-9]+)(\\.([0-9]*))?f?$")
        set(value "${CMAKE_MATCH_1}")
        if(CMAKE_MATCH_3 MATCHES "^([0-9]*[1-9])0*$")
          string(APPEND value ".${CMAKE_MATCH_1}")
        endif()
      elseif(NOT value MATCHES "^0x[0-9A-Fa-f]+$")
        continue()  # an expression: not for other languages
      endif()
      list(APPEND pairs "${name}=${value}")
    endforeach()
  endforeach()
  set(${out} "${pairs}" PARENT_SCOPE)
endfunction()

set(QUORVEL_PROTOCOL_HEADERS
  ${PROJECT_SOURCE_DIR}/common/FileNames.h
  ${PROJECT_SOURCE_DIR}/common/Messages.h
  ${PROJECT_SOURCE_DIR}/common/Registry.h
  ${PROJECT_SOURCE_DIR}/common/SettingBits.h
)

# quorvel_write_nsis_names(file [headers...]): the constants as NSIS
# !defines, with the version as VERSION and the publisher as PUBLISHER.
function(quorvel_write_nsis_names file)
  quorvel_read_constants(pairs ${QUORVEL_PROTOCOL_HEADERS} ${ARGN})
  set(text "; Made by the build from the headers of common/: do not edit.\n")
  string(APPEND text "!define VERSION \"${PROJECT_VERSION}\"\n")
  string(APPEND text "!define PUBLISHER \"${QUORVEL_PUBLISHER}\"\n")
  foreach(pair ${pairs})
    string(REGEX REPLACE "=.*$" "" name "${pair}")
    string(REGEX REPLACE "^[^=]*=" "" value "${pair}")
    string(REPLACE "<BS>" "\\" value "${value}")
    string(APPEND text "!define ${name} \"${value}\"\n")
  endforeach()
  file(WRITE ${file}.new "${text}")
  configure_file(${file}.new ${file} COPYONLY)  # touched only when it changes
endfunction()

# quorvel_write_sed_script(file [headers...]): a sed script that replaces
# @NAME@ by the constant's value (and @VERSION@ by the version) in pages;
# @NAME:seconds@ gives a whole number of milliseconds in seconds (1500 as
# 1.5).
function(quorvel_write_sed_script file)
  quorvel_read_constants(pairs ${QUORVEL_PROTOCOL_HEADERS} ${ARGN})
  set(text "s|@VERSION@|${PROJECT_VERSION}|g\n")
  foreach(pair ${pairs})
    string(REGEX REPLACE "=.*$" "" name "${pair}")
    string(REGEX REPLACE "^[^=]*=" "" value "${pair}")
    if(value MATCHES "^[0-9]+$")
      math(EXPR whole "${value} / 1000")
      math(EXPR thousandths "${value} % 1000 + 1000")
      string(SUBSTRING "${thousandths}" 1 3 thousandths)
      string(REGEX REPLACE "0+$" "" thousandths "${thousandths}")
      if(thousandths STREQUAL "")
        string(APPEND text "s|@${name}:seconds@|${whole}|g\n")
      else()
        string(APPEND text "s|@${name}:seconds@|${whole}.${thousandths}|g\n")
      endif()
    endif()
    string(REPLACE "<BS>" "\\\\" value "${value}")
    string(REPLACE "&" "\\&" value "${value}")
    string(REPLACE "|" "\\|" value "${value}")
    string(APPEND text "s|@${name}@|${value}|g\n")
  endforeach()
  file(WRITE ${file}.new "${text}")
  configure_file(${file}.new ${file} COPYONLY)  # touched only when it changes
endfunction()
