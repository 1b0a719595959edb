# One interface target carries the warnings, the Qt strictness and the sanitizers
# for every target of the project.
add_library(kivora_options INTERFACE)
target_compile_options(kivora_options INTERFACE -Wall -Wextra -Wpedantic)
if(KIVORA_WERROR)
  target_compile_options(kivora_options INTERFACE -Werror)
endif()
target_compile_definitions(kivora_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_USE_QSTRINGBUILDER)
if(KIVORA_SANITIZE)
  target_compile_options(kivora_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(kivora_options INTERFACE -fsanitize=address,undefined)
  target_compile_definitions(kivora_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

if(KIVORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KIVORA_FUZZ needs clang (CXX=clang++)")
  endif()
  target_compile_options(kivora_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -g)
  target_link_options(kivora_options INTERFACE -fsanitize=address,undefined)
endif()

# Collects the sources of one folder; new files are picked up without editing CMake.
function(kivora_sources out_var)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND result ${found})
  endforeach()
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()
