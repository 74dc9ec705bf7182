# The MSVC runtime is linked in, as MinGW's is: the zip ships no runtime DLLs.
set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")

# The shipped programs are built at -O2: at -O3 the stripped launcher was
# 672,275 bytes against 569,363, past its 600 KB budget.
if(MINGW)
  set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
endif()

function(halvo_set_options target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 /permissive- /guard:cf)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  endif()
  if(WIN32)
    # Windows 10 and later: cloaked windows can be asked for from there on.
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                               _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  endif()
  if(MINGW)
    # Unused functions are dropped at link; no build folder path reaches the binaries,
    # so two builds of one commit in different folders give the same bytes. The
    # debug information goes to the symbol files only (halvo_strip_program).
    target_compile_options(${target} PRIVATE -g -ffunction-sections -fdata-sections -fstack-protector-strong
                           -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
    target_compile_definitions(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
  if(HALVO_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# Windows programs run without the MinGW runtime DLLs beside them, and load
# libraries that are not imported only from System32.
function(halvo_windows_link target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -fstack-protector-strong
                        -Wl,--gc-sections -Wl,--tsaware -Wl,--no-insert-timestamp)
  elseif(MSVC)
    target_link_options(${target} PRIVATE /guard:cf /CETCOMPAT /DEPENDENTLOADFLAG:0x800)
  endif()
endfunction()

function(halvo_gui_program target)
  halvo_windows_link(${target})
  if(MINGW)
    target_link_options(${target} PRIVATE -municode -mwindows)
  elseif(MSVC)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    # The manifest comes from the resource script.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()

# A shipped program is stripped; its symbols stay in build/symbols with a debug
# link to them, so that a crash address can still be read.
function(halvo_strip_program target)
  if(NOT MINGW)
    return()
  endif()
  set(symbols ${CMAKE_BINARY_DIR}/symbols/$<TARGET_FILE_NAME:${target}>.debug)
  # objcopy stamps the time into a PE header unless told a fixed one, as the linker is.
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/symbols
    COMMAND ${objcopy} --only-keep-debug $<TARGET_FILE:${target}> ${symbols}
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=${symbols} $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
