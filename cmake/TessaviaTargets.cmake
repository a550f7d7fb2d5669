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
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:-Wall;-Wextra;-finput-charset=UTF-8>")
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      # clang writes narrow literals only as UTF-8. It builds nothing but the fuzz targets, which
      # check properties of arbitrary bytes and never compare with one of the program's own texts.
      if(NOT TESSAVIA_FUZZ)
        message(FATAL_ERROR "The program's texts need GBK literals: build with g++ or MinGW-w64")
      endif()
    else()
      target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:-fexec-charset=GBK>")
    endif()
    if(TESSAVIA_WERROR)
      target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
    endif()
  endif()
  if((TESSAVIA_SANITIZE OR TESSAVIA_FUZZ) AND NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(TESSAVIA_FUZZ AND NOT WIN32)
    # Coverage for libFuzzer in everything it drives; the fuzz targets add -fsanitize=fuzzer themselves.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  if(WIN32 AND MINGW)
    # One self-contained exe: no MinGW runtime DLL beside it.
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# Libraries that sanitised targets link must carry the same instrumentation.
function(tessavia_library_defaults target)
  tessavia_target_defaults(${target})
  if((TESSAVIA_SANITIZE OR TESSAVIA_FUZZ) AND NOT WIN32)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
