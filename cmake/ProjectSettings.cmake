# Settings shared by every target of our own (not by third-party code such as GoogleTest).
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

option(INSDEL_WERROR "Treat warnings as errors" ON)

function(insdel_target_settings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual -Wformat=2 -Wformat-nonliteral
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wduplicated-cond
    -Wlogical-op -Wimplicit-fallthrough
    # Every text of the tool is Shift_JIS at run time; sources stay UTF-8.
    -finput-charset=UTF-8 -fexec-charset=CP932)
  if(INSDEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE
      _WIN32_WINNT=0x0600 WINVER=0x0600 NTDDI_VERSION=0x06000000
      WIN32_LEAN_AND_MEAN NOMINMAX __USE_MINGW_ANSI_STDIO=1)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
  if(INSDEL_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
