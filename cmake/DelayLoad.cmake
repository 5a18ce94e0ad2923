# Import libraries that load their DLL on the first call instead of at process start.
# The export list comes from the toolchain's own import library, so every function the
# program may call is covered; dlltool then writes the delay-loading variant.
find_program(MINGW_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)

function(delay_load_library out_var name)
  set(def ${CMAKE_BINARY_DIR}/delayload/${name}.def)
  set(lib ${CMAKE_BINARY_DIR}/delayload/lib${name}_delay.a)
  if(NOT EXISTS ${lib})
    find_library(import_lib_${name} NAMES lib${name}.a REQUIRED)
    execute_process(COMMAND ${CMAKE_NM} ${import_lib_${name}} OUTPUT_VARIABLE symbols)
    string(REGEX MATCHALL "I __imp_[A-Za-z0-9_]+" imports "${symbols}")
    list(REMOVE_DUPLICATES imports)
    set(text "LIBRARY ${name}.dll\nEXPORTS\n")
    foreach(entry ${imports})
      string(REPLACE "I __imp_" "" function ${entry})
      string(APPEND text "${function}\n")
    endforeach()
    file(WRITE ${def} "${text}")
    execute_process(COMMAND ${MINGW_DLLTOOL} --input-def ${def} --output-delaylib ${lib} --dllname ${name}.dll
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "dlltool could not write ${lib}")
    endif()
  endif()
  set(${out_var} ${lib} PARENT_SCOPE)
endfunction()
