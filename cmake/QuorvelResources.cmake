# Version information and icons of the shipped Windows binaries.
#
# quorvel_version_resource(target DESCRIPTION text [FILENAME name]
#                          [ICONS id svg [id svg ...]])
# gives the target a VERSIONINFO resource (QUORVEL_VERSION, product name,
# publisher, the description) and, for each id/svg pair, an ICON resource of
# that id made at build time from the drawing (ImageMagick). FILENAME, the
# file's own name, defaults to the target's output name. Does nothing
# outside the Windows build; a second call for the same target is ignored.
set(QUORVEL_VERSION ${PROJECT_VERSION})
set(QUORVEL_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
set(QUORVEL_PRODUCT Quorvel)
set(QUORVEL_PUBLISHER Harnwick)

# The icon holds the sizes the notification area and the window captions
# take from 100 to 200 % (16, 20, 24, 32) and those of Explorer's views.
function(quorvel_icon svg out)
  find_program(QUORVEL_CONVERT convert REQUIRED)
  add_custom_command(OUTPUT ${out}
    COMMAND ${QUORVEL_CONVERT} -background none ${svg} -define icon:auto-resize=48,40,32,24,20,16 ${out}
    DEPENDS ${svg}
    COMMENT "Drawing icon ${out}")
endfunction()

function(quorvel_version_resource target)
  if(NOT QUORVEL_WINDOWS)
    return()
  endif()
  get_target_property(done ${target} QUORVEL_HAS_VERSION)
  if(done)
    return()
  endif()
  cmake_parse_arguments(ARG "" "FILENAME;DESCRIPTION" "ICONS" ${ARGN})
  get_target_property(type ${target} TYPE)
  if(NOT ARG_FILENAME)
    get_target_property(name ${target} OUTPUT_NAME)
    get_target_property(prefix ${target} PREFIX)
    get_target_property(suffix ${target} SUFFIX)
    if(NOT name)
      set(name ${target})
    endif()
    if(NOT prefix)
      set(prefix "")
    endif()
    if(NOT suffix AND type STREQUAL "EXECUTABLE")
      set(suffix ".exe")
    elseif(NOT suffix)
      set(suffix ".dll")
    endif()
    set(ARG_FILENAME ${prefix}${name}${suffix})
  endif()
  if(type STREQUAL "EXECUTABLE")
    set(QUORVEL_FILE_TYPE VFT_APP)
  else()
    set(QUORVEL_FILE_TYPE VFT_DLL)
  endif()
  set(dir ${CMAKE_BINARY_DIR}/resources/${target})
  set(QUORVEL_ICON_LINES "")
  set(icons "")
  while(ARG_ICONS)
    list(POP_FRONT ARG_ICONS id svg)
    get_filename_component(name ${svg} NAME_WE)
    set(ico ${dir}/${name}.ico)
    quorvel_icon(${svg} ${ico})
    string(APPEND QUORVEL_ICON_LINES "${id} ICON \"${ico}\"\n")
    list(APPEND icons ${ico})
  endwhile()
  set(rc ${dir}/version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  if(icons)
    # The drawings are turned into icons here; the target may live elsewhere.
    add_custom_target(${target}_icons DEPENDS ${icons})
    add_dependencies(${target} ${target}_icons)
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS "${icons}")
  endif()
  set_target_properties(${target} PROPERTIES QUORVEL_HAS_VERSION ON)
endfunction()
