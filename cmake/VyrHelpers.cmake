# Libraries precompile the Qt headers; a test is one source file, for which
# a precompiled header would cost more than it saves.

# vyr_library(NAME [NO_WIDGETS] [QT Core Network ...] [LINKS other libs])
# A static library made of every .cpp/.h/.ui in the current folder
# (and the sub-folders given with DIRS). NO_WIDGETS marks a library that
# must reach no Qt Widgets, neither through its own QT list nor through a
# library it links; the test "layers" fails when it does.
function(vyr_library name)
  cmake_parse_arguments(A "NO_WIDGETS" "" "QT;LINKS;DIRS" ${ARGN})
  if(A_NO_WIDGETS)
    set_property(GLOBAL APPEND PROPERTY VYR_NO_WIDGETS ${name})
  endif()
  if(NOT A_DIRS)
    set(A_DIRS .)
  endif()
  set(globs)
  set(incs)
  foreach(d ${A_DIRS})
    list(APPEND globs ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.ui)
    list(APPEND incs ${CMAKE_CURRENT_SOURCE_DIR}/${d})
  endforeach()
  vyr_register_layer(${name} "${A_DIRS}" "${A_LINKS}")
  file(GLOB srcs CONFIGURE_DEPENDS ${globs})
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(NOT cpps)
    # Nothing written yet: an empty interface target keeps the links valid.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${incs})
    foreach(q ${A_QT})
      target_link_libraries(${name} INTERFACE Qt5::${q})
    endforeach()
    target_link_libraries(${name} INTERFACE ${A_LINKS})
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${incs})
  foreach(q ${A_QT})
    target_link_libraries(${name} PUBLIC Qt5::${q})
  endforeach()
  target_link_libraries(${name} PUBLIC ${A_LINKS})
  target_precompile_headers(${name} PRIVATE <QtCore/QtCore>)
  set_target_properties(${name} PROPERTIES AUTOUIC_SEARCH_PATHS "${incs}")
endfunction()

# vyr_tests(LINKS libs...): one Qt Test executable per tst_*.cpp in the
# current folder, registered with CTest, run headless with a private HOME.
function(vyr_tests)
  cmake_parse_arguments(A "" "TIMEOUT" "LINKS" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  # The group's folder is on the layer map with what its tests link, unless
  # a test library of the same folder (TestSupport, FuzzTargets) holds it.
  file(RELATIVE_PATH here ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  get_property(known GLOBAL PROPERTY VYR_LAYER_FOLDERS)
  if(NOT known MATCHES "(^|;)[^;=]+=${here}(;|$)")
    vyr_register_layer(${here} . "Qt5::Test;${A_LINKS}")
  endif()
  foreach(src ${tests})
    get_filename_component(t ${src} NAME_WE)
    add_executable(${t} ${src})
    target_link_libraries(${t} PRIVATE Qt5::Test ${A_LINKS})
    set(home ${CMAKE_BINARY_DIR}/testhome/${t})
    file(MAKE_DIRECTORY ${home})
    add_test(NAME ${t} COMMAND ${t} WORKING_DIRECTORY ${home})
    set_tests_properties(${t} PROPERTIES TIMEOUT ${A_TIMEOUT}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home};ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;VYR_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endforeach()
endfunction()

# vyr_qt_catalogue(LANG OUT_VAR)
# Qt's own qt_<lang>.qm is only an index of per-module catalogues and loads
# only beside them; a resource or a program folder cannot carry that whole
# set. This merges the modules the programs show (Qt Base, the serial port
# module) into one self-contained qt_<lang>.qm in the current binary folder
# and sets OUT_VAR to its path, or to an empty value when the system has no
# such catalogues (Debian: qttranslations5-l10n).
function(vyr_qt_catalogue lang out)
  if(NOT VYR_QT_TRANSLATIONS)
    get_target_property(qmake Qt5::qmake IMPORTED_LOCATION)
    execute_process(COMMAND ${qmake} -query QT_INSTALL_TRANSLATIONS
      OUTPUT_VARIABLE guess OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    find_path(VYR_QT_TRANSLATIONS qtbase_ru.qm
      HINTS ${guess} /usr/share/qt5/translations
      DOC "Folder of Qt's own .qm catalogues")
  endif()
  set(base ${VYR_QT_TRANSLATIONS}/qtbase_${lang}.qm)
  if(NOT VYR_QT_TRANSLATIONS OR NOT EXISTS ${base})
    message(WARNING "Qt's own ${lang} catalogue not found (qttranslations5-l10n); Qt's dialogs stay English")
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  set(parts ${base})
  if(EXISTS ${VYR_QT_TRANSLATIONS}/qtserialport_${lang}.qm)
    list(APPEND parts ${VYR_QT_TRANSLATIONS}/qtserialport_${lang}.qm)
  endif()
  set(dst ${CMAKE_CURRENT_BINARY_DIR}/qt_${lang}.qm)
  add_custom_command(OUTPUT ${dst}
    COMMAND Qt5::lconvert -o ${dst} ${parts}
    DEPENDS ${parts}
    COMMENT "Merging Qt's ${lang} catalogues"
    VERBATIM)
  set(${out} ${dst} PARENT_SCOPE)
endfunction()

# vyr_lupdate(TARGET TS catalogues... ARGS lupdate arguments...)
# A target that refreshes the program's .ts catalogues from its sources, run
# by hand (cmake --build <dir> --target TARGET) after texts change, never as
# part of a build. The same command is written to
# <build>/catalogues/TARGET.args (one argument a line, "-ts", then the
# catalogues), so that tests/text/tst_catalogues can run it on copies and
# fail while the catalogues are out of step with the code.
function(vyr_lupdate target)
  cmake_parse_arguments(A "" "" "TS;ARGS" ${ARGN})
  add_custom_target(${target}
    COMMAND Qt5::lupdate ${A_ARGS} -ts ${A_TS}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing the translation sources (${target})"
    VERBATIM)
  set(lines ${A_ARGS} -ts ${A_TS})
  string(REPLACE ";" "\n" content "${lines}")
  file(WRITE ${CMAKE_BINARY_DIR}/catalogues/${target}.args "${content}\n")
endfunction()

# Every library folder belongs to one library, and a file includes headers
# only of its own library and of the libraries it links (directly or through
# them). vyr_library, vyr_tests and the test libraries record each folder and
# its owner here; vyr_layer_check(), called once at the end of the top-level
# CMakeLists, writes the map and the link graph (as the targets really link,
# Qt's modules included) to <build>/layers.cmake and registers the test
# "layers" (cmake/CheckLayers.cmake), which reads every source of those
# folders.
#
# vyr_register_layer(NAME DIRS LINKS): NAME owns the folders DIRS (relative
# to the current source folder, "." for itself). LINKS are what it links
# when NAME is no target (a group of tests); a target's own links are read
# from the target.
function(vyr_register_layer name dirs links)
  file(RELATIVE_PATH here ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  get_property(known GLOBAL PROPERTY VYR_LAYER_FOLDERS)
  set(folders)
  foreach(d ${dirs})
    if(d STREQUAL ".")
      set(f "${here}")
    elseif(here STREQUAL "")
      set(f "${d}")
    else()
      set(f "${here}/${d}")
    endif()
    foreach(entry ${known})
      string(REPLACE "=" ";" pair "${entry}")
      list(GET pair 1 other)
      if(other STREQUAL f)
        list(GET pair 0 owner)
        message(FATAL_ERROR "Folder ${f} is in two libraries: ${owner} and ${name}")
      endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY VYR_LAYER_FOLDERS "${name}=${f}")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VYR_LAYERS ${name})
  string(REPLACE ";" "," l "${links}")
  set_property(GLOBAL PROPERTY VYR_LAYER_LINKS_OF_${name} "${l}")
endfunction()

# The direct links of a target, as a comma list of target names (plain
# flags and link-only wrappers of private links stripped).
function(_vyr_target_links target out)
  get_target_property(type ${target} TYPE)
  set(items)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(own ${target} LINK_LIBRARIES)
    if(own)
      list(APPEND items ${own})
    endif()
  endif()
  get_target_property(iface ${target} INTERFACE_LINK_LIBRARIES)
  if(iface)
    list(APPEND items ${iface})
  endif()
  set(links)
  foreach(item ${items})
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(TARGET ${item} AND NOT item IN_LIST links)
      list(APPEND links ${item})
    endif()
  endforeach()
  string(REPLACE ";" "," l "${links}")
  set(${out} "${l}" PARENT_SCOPE)
endfunction()

function(vyr_layer_check)
  get_property(folders GLOBAL PROPERTY VYR_LAYER_FOLDERS)
  get_property(layers GLOBAL PROPERTY VYR_LAYERS)
  get_property(no_widgets GLOBAL PROPERTY VYR_NO_WIDGETS)
  # The link graph: every layer, then every target reached from one.
  set(graph)
  set(todo)
  set(done)
  foreach(layer ${layers})
    if(TARGET ${layer})
      list(APPEND todo ${layer})
    else()
      get_property(l GLOBAL PROPERTY VYR_LAYER_LINKS_OF_${layer})
      list(APPEND graph "${layer}=${l}")
      string(REPLACE "," ";" l "${l}")
      list(APPEND todo ${l})
    endif()
  endforeach()
  while(todo)
    list(POP_FRONT todo t)
    if(t IN_LIST done OR NOT TARGET ${t})
      continue()
    endif()
    list(APPEND done ${t})
    _vyr_target_links(${t} l)
    list(APPEND graph "${t}=${l}")
    string(REPLACE "," ";" l "${l}")
    list(APPEND todo ${l})
  endwhile()
  # Where Qt's headers live: one folder per module (QtCore, QtWidgets, ...).
  set(qt_root)
  get_target_property(dirs Qt5::Core INTERFACE_INCLUDE_DIRECTORIES)
  foreach(d ${dirs})
    if(IS_DIRECTORY ${d}/QtCore)
      set(qt_root ${d})
      break()
    endif()
  endforeach()
  set(out ${CMAKE_BINARY_DIR}/layers.cmake)
  file(WRITE ${out}
    "set(VYR_LAYER_FOLDERS \"${folders}\")\n"
    "set(VYR_LAYER_GRAPH \"${graph}\")\n"
    "set(VYR_NO_WIDGETS \"${no_widgets}\")\n"
    "set(VYR_QT_INCLUDE_ROOT \"${qt_root}\")\n")
  if(VYR_BUILD_TESTS)
    add_test(NAME layers COMMAND ${CMAKE_COMMAND}
      -DLAYERS=${out} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
  endif()
endfunction()
