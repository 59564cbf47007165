# Renders the pictures the README shows and fails when the committed ones in
# docs/gallery/ differ: run the target gallery-docs and commit the result.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${GALLERY} --out ${OUT} --data ${DATA} --font ${FONT} ${PAGES}
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(status EQUAL 77)
    message(STATUS "${err}")
    return()
endif()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "stumpcraft-gallery failed: ${status}\n${err}")
endif()
foreach(shot ${SHOTS})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${shot}.png
                            ${DOCS}/${shot}.png RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "docs/gallery/${shot}.png is not the current render "
                            "(cmake --build build --target gallery-docs)")
    endif()
endforeach()
file(REMOVE_RECURSE ${OUT})
