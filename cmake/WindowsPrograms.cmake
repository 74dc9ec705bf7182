enable_language(RC)
if(MINGW)
  # The resource scripts are UTF-8 (Japanese menu texts).
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

set(HALVO_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
# Only KnownDLLs and comctl32 (through the manifest) are imported: a library of any other
# name could be planted beside the programs. dwmapi is loaded from System32 at first use.
set(HALVO_WIN32_LIBS comctl32 shell32 shlwapi gdi32 user32 ole32 imm32 uuid)

halvo_glob_sources(HALVO_COMMON_WIN_SOURCES WIN32 common)
add_library(halvo_common_win STATIC ${HALVO_COMMON_WIN_SOURCES})
target_link_libraries(halvo_common_win PUBLIC halvo_core ${HALVO_WIN32_LIBS})
halvo_set_options(halvo_common_win)

halvo_glob_sources(HALVORUNDE_SHELL_SOURCES WIN32 launcher/shell launcher/data launcher/tasks
                   launcher/history launcher/folders launcher/input)
add_library(halvorunde_shell STATIC ${HALVORUNDE_SHELL_SOURCES})
target_link_libraries(halvorunde_shell PUBLIC halvo_common_win)
halvo_set_options(halvorunde_shell)

set(HALVORUNDE_RESOURCES ${CMAKE_SOURCE_DIR}/launcher/resources/launcher.rc)
add_executable(Halvorunde launcher/shell/entry_win.cpp ${HALVORUNDE_RESOURCES})
target_link_libraries(Halvorunde PRIVATE halvorunde_shell)
halvo_set_options(Halvorunde)
halvo_gui_program(Halvorunde)
halvo_strip_program(Halvorunde)

halvo_glob_sources(HALVOTUNE_SHELL_SOURCES WIN32 settings)
add_library(halvotune_shell STATIC ${HALVOTUNE_SHELL_SOURCES})
target_link_libraries(halvotune_shell PUBLIC halvo_common_win)
halvo_set_options(halvotune_shell)

set(HALVOTUNE_RESOURCES ${CMAKE_SOURCE_DIR}/settings/resources/settings.rc)

# The manifests carry the project version; the resource scripts find them on the include path.
configure_file(launcher/resources/halvorunde.manifest.in ${HALVO_GENERATED_DIR}/halvorunde.manifest @ONLY)
configure_file(settings/resources/halvotune.manifest.in ${HALVO_GENERATED_DIR}/halvotune.manifest @ONLY)

# The resource compiler reports no dependencies: name the files the scripts pull in.
set_source_files_properties(${HALVORUNDE_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/launcher/resources/halvorunde.ico;${HALVO_GENERATED_DIR}/halvorunde.manifest;${HALVO_GENERATED_DIR}/halvo_version.h")
set_source_files_properties(${HALVOTUNE_RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/settings/resources/halvotune.ico;${HALVO_GENERATED_DIR}/halvotune.manifest;${HALVO_GENERATED_DIR}/halvo_version.h")
add_executable(Halvotune settings/entry_win.cpp ${HALVOTUNE_RESOURCES})
target_link_libraries(Halvotune PRIVATE halvotune_shell)
halvo_set_options(Halvotune)
halvo_gui_program(Halvotune)
halvo_strip_program(Halvotune)

set_target_properties(Halvorunde Halvotune PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HALVO_DIST_DIR})
foreach(config Debug Release RelWithDebInfo MinSizeRel)
  string(TOUPPER ${config} upper)
  set_target_properties(Halvorunde Halvotune PROPERTIES RUNTIME_OUTPUT_DIRECTORY_${upper} ${HALVO_DIST_DIR})
endforeach()

# The help page ships beside the launcher, with the getting-started text.
set(HALVO_HELP_PAGE ${HALVO_DIST_DIR}/help/help.html)
add_custom_command(OUTPUT ${HALVO_HELP_PAGE}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/launcher/resources/help/help.html ${HALVO_HELP_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/launcher/resources/help/help.html)
add_custom_target(help_page ALL DEPENDS ${HALVO_HELP_PAGE})
set(HALVO_GETTING_STARTED ${HALVO_DIST_DIR}/はじめに.txt)
add_custom_command(OUTPUT ${HALVO_GETTING_STARTED}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/launcher/resources/help/getting-started-ja.txt
          ${HALVO_GETTING_STARTED}
  DEPENDS ${CMAKE_SOURCE_DIR}/launcher/resources/help/getting-started-ja.txt)

# Everything the portable zip holds, unpacked in the dist folder (scripts/build makes this).
add_custom_target(portable_folder ALL DEPENDS Halvorunde Halvotune help_page ${HALVO_GETTING_STARTED})

# The portable package: unpacking it anywhere is the whole installation.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  set(HALVO_PACKAGE ${CMAKE_BINARY_DIR}/package/Halvorunde-${PROJECT_VERSION}.zip)
  add_custom_command(OUTPUT ${HALVO_PACKAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make-package.py ${HALVO_PACKAGE} ${HALVO_DIST_DIR}
            ${CMAKE_SOURCE_DIR}
    DEPENDS portable_folder ${HALVO_GETTING_STARTED} ${CMAKE_SOURCE_DIR}/scripts/make-package.py)
  add_custom_target(package_zip ALL DEPENDS ${HALVO_PACKAGE})
endif()
