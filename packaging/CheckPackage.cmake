# Builds the Debian package from the build tree, unpacks it into a scratch
# root, checks its dependencies and runs the installed programs from there.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/root)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err WORKING_DIRECTORY ${SCRATCH})
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN}: ${status}\n${out}\n${err}")
    endif()
    set(OUTPUT "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${SCRATCH})
file(GLOB packages ${SCRATCH}/stumpcraft_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${packages}")
endif()

run(dpkg-deb --field ${packages} Depends)
foreach(library libqt6widgets6 libqt6svg6 libexpat1 zlib1g)
    if(NOT OUTPUT MATCHES "${library}")
        message(FATAL_ERROR "Depends lacks ${library}: ${OUTPUT}")
    endif()
endforeach()

# Debian's own checks: any error or warning fails (overrides need a reason).
if(NOT LINTIAN)
    message(FATAL_ERROR "lintian is missing (scripts/install-deps.sh installs it)")
endif()
run(${LINTIAN} --fail-on error,warning --no-tag-display-limit ${packages})
message(STATUS "lintian: ${OUTPUT}")

run(dpkg-deb -x ${packages} ${SCRATCH}/root)
set(root ${SCRATCH}/root/usr)
foreach(file bin/stumpcraft bin/stumpcraft-verify share/stumpcraft/default.vrx
             share/stumpcraft/help/index.html
             share/applications/org.stumpcraft.Stumpcraft.desktop
             share/metainfo/org.stumpcraft.Stumpcraft.metainfo.xml
             share/icons/hicolor/scalable/apps/org.stumpcraft.Stumpcraft.svg
             share/icons/hicolor/48x48/apps/org.stumpcraft.Stumpcraft.png
             share/icons/hicolor/256x256/apps/org.stumpcraft.Stumpcraft.png
             share/mime/packages/org.stumpcraft.Stumpcraft.xml
             share/doc/stumpcraft/copyright share/doc/stumpcraft/changelog.gz
             share/man/man1/stumpcraft.1.gz share/man/man1/stumpcraft-verify.1.gz)
    if(NOT EXISTS ${root}/${file})
        message(FATAL_ERROR "the package lacks ${file}")
    endif()
endforeach()

# The installed sample verifies clean with the installed verifier.
file(GLOB samples LIST_DIRECTORIES true ${root}/share/stumpcraft/scenarios/*)
list(FILTER samples EXCLUDE REGEX "\\.txt$")
list(GET samples 0 sample)
run(${root}/bin/stumpcraft-verify --all ${sample})

run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/bin/stumpcraft --version)
if(NOT OUTPUT MATCHES "^stumpcraft [0-9]")
    message(FATAL_ERROR "unexpected version answer: ${OUTPUT}")
endif()
file(REMOVE_RECURSE ${SCRATCH})
