# cmake -DFOLDER=<folder> -DNAMES="<file> <file>..." -P RequireFiles.cmake
# Fails, naming what is missing, unless every file is in the folder. The
# build runs it before it makes the setup program and the portable zip,
# which always bring the 64-bit library and its helper.
separate_arguments(names UNIX_COMMAND "${NAMES}")
set(missing "")
foreach(name ${names})
  if(NOT EXISTS "${FOLDER}/${name}")
    list(APPEND missing "${FOLDER}/${name}")
  endif()
endforeach()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "The setup program and the portable zip need the 64-bit files, which are missing: ${missing}. "
                      "Build the 64-bit tree first (bash scripts/build.sh win64 win32), or configure this build "
                      "with -DQUORVEL_SETUP=OFF to make neither.")
endif()
