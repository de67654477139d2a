# Settings shared by every target.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
endif()

if(QUORVEL_WINDOWS)
  # Everything we ship stands alone: no libgcc/libstdc++/winpthread DLL beside it.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
  set(QUORVEL_STATIC_LINK -static -static-libgcc -static-libstdc++)
  # Output every binary into one folder, as they are installed side by side.
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

# quorvel_windows_binary(target): static runtime, GUI subsystem unless CONSOLE is given.
function(quorvel_windows_binary target)
  cmake_parse_arguments(ARG "CONSOLE" "" "" ${ARGN})
  target_link_options(${target} PRIVATE ${QUORVEL_STATIC_LINK})
  if(NOT ARG_CONSOLE)
    target_link_options(${target} PRIVATE -mwindows)
  endif()
endfunction()
