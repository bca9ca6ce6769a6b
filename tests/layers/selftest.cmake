# cmake -DCHECK=<CheckLayers.cmake> -DQT_DIRS=<Qt's include folders> -DWORK=<scratch folder> -P selftest.cmake
#
# A tree of three libraries: Low (folder low, Qt Core only, marked
# NO_WIDGETS), Side (folder low/side, beside Low, not linked by it) and Up
# (folder up, links Low and Qt Widgets); elsewhere/ is on no map, nor below
# any folder of it. Each case plants one file or one
# link in a fresh copy and runs the check; the sound tree passes, every
# planted fault fails it with its own words.
cmake_minimum_required(VERSION 3.16)

set(qt_root)
foreach(d ${QT_DIRS})
  if(IS_DIRECTORY ${d}/QtCore)
    set(qt_root ${d})
  endif()
endforeach()
if(NOT qt_root)
  message(FATAL_ERROR "Qt's include folder not found in ${QT_DIRS}")
endif()

set(failures 0)

# run_case(NAME GRAPH FILE CONTENT EXPECT): a fresh tree with FILE (relative
# to it; none when empty) holding CONTENT, the link graph GRAPH; EXPECT is a
# text the check must print while failing, or "" when it must pass.
function(run_case name graph file content expect)
  set(tree ${WORK}/${name})
  file(REMOVE_RECURSE ${tree})
  file(WRITE ${tree}/low/low.h "#pragma once\n#include <QString>\n#include \"side.h\"\n")
  file(WRITE ${tree}/low/low.cpp "#include \"low.h\"\n#include <QtCore/QObject>\n#include <vector>\n#include \"ui_generated.h\"\n")
  file(WRITE ${tree}/low/side/side.h "#pragma once\n")
  file(WRITE ${tree}/up/up.h "#pragma once\n#include \"low.h\"\n#include \"../low/low.h\"\n#include <QLabel>\n")
  file(WRITE ${tree}/elsewhere/other.h "#pragma once\n")
  file(WRITE ${tree}/up/up.ui "<ui><customwidgets><customwidget><class>Low</class><header>low.h</header></customwidget></customwidgets></ui>\n")
  if(file)
    file(WRITE ${tree}/${file} "${content}")
  endif()
  file(WRITE ${tree}/layers.cmake
    "set(VYR_LAYER_FOLDERS \"Low=low;Side=low/side;Up=up\")\n"
    "set(VYR_LAYER_GRAPH \"${graph}\")\n"
    "set(VYR_NO_WIDGETS \"Low\")\n"
    "set(VYR_QT_INCLUDE_ROOT \"${qt_root}\")\n"
    "set(VYR_LAYER_LEAST_FILES 1)\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DLAYERS=${tree}/layers.cmake -DSOURCE_DIR=${tree} -P ${CHECK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(said "${out}${err}")
  if(expect STREQUAL "")
    if(NOT rc EQUAL 0)
      message("${name}: the check failed on a sound tree:\n${said}")
      set(failed TRUE)
    endif()
  else()
    string(FIND "${said}" "${expect}" at)
    if(rc EQUAL 0 OR at EQUAL -1)
      message("${name}: expected the check to fail saying\n  ${expect}\nit ended with ${rc} saying:\n${said}")
      set(failed TRUE)
    endif()
  endif()
  if(failed)
    math(EXPR n "${failures} + 1")
    set(failures ${n} PARENT_SCOPE)
  else()
    message(STATUS "${name}: as expected")
  endif()
endfunction()

set(sound "Low=Qt5::Core,Side;Side=;Up=Low,Qt5::Widgets;Qt5::Core=;Qt5::Gui=Qt5::Core;Qt5::Widgets=Qt5::Gui,Qt5::Core")
# Low does not link Side here: the faults below reach it.
set(apart "Low=Qt5::Core;Side=;Up=Low,Qt5::Widgets;Qt5::Core=;Qt5::Gui=Qt5::Core;Qt5::Widgets=Qt5::Gui,Qt5::Core")

run_case(sound "${sound}" "" "" "")
run_case(widget_header "${sound}" low/bad.h "#include <QLabel>\n"
  "low/bad.h (library Low) includes <QLabel> of Qt5::Widgets, which Low does not link")
run_case(widget_header_by_module "${sound}" low/bad.cpp "#include <QtWidgets/QPushButton>\n"
  "includes <QtWidgets/QPushButton> of Qt5::Widgets, which Low does not link")
run_case(relative_upwards "${sound}" low/bad.cpp "#include \"../up/up.h\"\n"
  "low/bad.cpp (library Low) includes ../up/up.h, which is up/up.h of Up, which Low does not link")
run_case(folder_qualified_sideways "${apart}" low/bad.cpp "#include \"side/side.h\"\n"
  "includes side/side.h, which is low/side/side.h of Side, which Low does not link")
run_case(by_name_upwards "${sound}" low/bad.cpp "#include \"up.h\"\n"
  "includes up.h, which is up/up.h of Up, which Low does not link")
run_case(form_custom_widget "${sound}" low/bad.ui
  "<ui><customwidgets><customwidget><class>Up</class><extends>QWidget</extends><header>up.h</header><container>1</container></customwidget></customwidgets></ui>\n"
  "low/bad.ui (library Low) includes up.h, which is up/up.h of Up, which Low does not link")
run_case(outside_the_map "${sound}" low/bad.cpp "#include \"../elsewhere/other.h\"\n"
  "includes ../elsewhere/other.h, which is elsewhere/other.h, in no library on the map")
run_case(source_off_the_map "${sound}" up/entry/main.cpp "#include \"up.h\"\n"
  "up/entry/main.cpp lies in no library on the map")
run_case(widgets_through_a_link
  "Low=Qt5::Core,Side;Side=Qt5::Widgets;Up=Low,Qt5::Widgets;Qt5::Core=;Qt5::Gui=Qt5::Core;Qt5::Widgets=Qt5::Gui,Qt5::Core"
  "" "" "Low links Qt Widgets (Low -> Side -> Qt5::Widgets), but no widget may reach it")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} case(s) of the layer check went wrong")
endif()
