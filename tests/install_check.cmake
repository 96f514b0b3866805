# Installs the build into a fresh prefix, runs the installed kvctl with an empty home,
# and builds the Debian package; run by ctest with -DBUILD_DIR=... -DWORK_DIR=...

# check(MESSAGE CONDITION...): stops the test with MESSAGE when the condition is false.
function(check message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

set(HELP_NAMES
  edit_dx_readme.txt edit_jztw_readme.txt edit_zhkj_readme.txt gd_nzzk_readme.txt
  fstwdx_readme.txt fszhkj_readme.txt dytp_readme.txt jz_user_char_readme.txt
  jz_ls_tp_readme.txt jz_nzzk_readme.txt edit_addr_readme.txt other_readme.txt)

file(REMOVE_RECURSE ${WORK_DIR})
set(PREFIX ${WORK_DIR}/prefix)
set(DATA ${WORK_DIR}/home/.local/share)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
check("cmake --install failed" status EQUAL 0)
foreach(file bin/kvtool bin/kvctl bin/kvsim share/kvtool/hebingf.bin share/applications/kvtool.desktop
             share/icons/hicolor/scalable/apps/kvtool.svg)
  check("the installation lacks ${file}" EXISTS ${PREFIX}/${file})
endforeach()

# An installed kvctl keeps its folder in the per-user data folder, never in the prefix,
# even a writable one; HOME alone decides where that is.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME HOME=${WORK_DIR}/home
                        QT_QPA_PLATFORM=offscreen ${PREFIX}/bin/kvctl font export-c
                RESULT_VARIABLE status ERROR_VARIABLE errors)
check("the installed kvctl failed: ${errors}" status EQUAL 0)
set(FOLDER ${DATA}/kvtool)
check("the installed kvctl wrote no C export into ${FOLDER}" EXISTS ${FOLDER}/max7456zk.H)
check("the installed kvctl wrote its settings beside itself" NOT EXISTS ${PREFIX}/bin/savefiles)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FOLDER}/hebingf.bin ${PREFIX}/share/kvtool/hebingf.bin
                RESULT_VARIABLE status)
check("the installed kvctl did not take the shipped default font" status EQUAL 0)
foreach(name ${HELP_NAMES})
  foreach(help help help/en)
    check("the installed kvctl did not provide ${help}/${name}" EXISTS ${FOLDER}/${help}/${name})
  endforeach()
endforeach()

# The Debian package: its file list and its dependencies, without installing it.
execute_process(COMMAND ${CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/package
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
check("cpack failed: ${output}" status EQUAL 0)
file(GLOB packages ${WORK_DIR}/package/*.deb)
list(LENGTH packages count)
check("cpack made ${count} packages" count EQUAL 1)
execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
check("dpkg-deb -c failed" status EQUAL 0)
set(expected ./usr/bin/kvtool ./usr/bin/kvctl ./usr/bin/kvsim ./usr/share/kvtool/hebingf.bin
             ./usr/share/applications/kvtool.desktop ./usr/share/icons/hicolor/scalable/apps/kvtool.svg)
foreach(name ${HELP_NAMES})
  list(APPEND expected ./usr/share/kvtool/help/${name} ./usr/share/kvtool/help/en/${name})
endforeach()
foreach(file ${expected})
  string(FIND "${contents}" " ${file}\n" at)
  check("the package lacks ${file}" NOT at EQUAL -1)
endforeach()
execute_process(COMMAND dpkg-deb -f ${packages} Depends OUTPUT_VARIABLE depends)
foreach(package libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6)
  string(FIND "${depends}" "${package}" at)
  check("the package does not depend on ${package}: ${depends}" NOT at EQUAL -1)
endforeach()
