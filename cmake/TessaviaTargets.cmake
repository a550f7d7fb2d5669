# Settings every target of our own shares: warnings, GBK string literals, sanitizers, static Windows linking.

# All narrow string literals of the project are GBK bytes: the sources stay readable UTF-8 and the
# compiler writes the system's own texts in the code page the program works in.
function(tessavia_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:/W4;/source-charset:utf-8;/execution-charset:.936>")
    if(TESSAVIA_WERROR)
      target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:/WX>)
    endif()
  else()
    # C and C++ only: the resource compiler of a target takes none of these.
    target_compile_options(${target} PRIVATE
      "$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-finput-charset=UTF-8;-fexec-charset=GBK>")
    if(TESSAVIA_WERROR)
      target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
    endif()
  endif()
  if(TESSAVIA_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(WIN32 AND MINGW)
    # One self-contained exe: no MinGW runtime DLL beside it.
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# Libraries that sanitised targets link must carry the same instrumentation.
function(tessavia_library_defaults target)
  tessavia_target_defaults(${target})
  if(TESSAVIA_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
