# The layers of the program, drawn from the includes: a folder includes only folders on floors
# below its own, so that no arrow runs back up and no two folders depend on each other.
#
#   cmake -DSOURCE_DIR=<source tree> [-DPLANT=<folder>:<include>] -P checklayers.cmake
#
# Prints the floors, the arrows (folder pairs joined by at least one include) and every include
# that runs up or sideways, and fails when there is one. PLANT adds one include to a folder, for
# the test that proves a back-arrow is refused.

include(${CMAKE_CURRENT_LIST_DIR}/floors.cmake)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "checklayers: SOURCE_DIR not given")
endif()

set(floor 0)
set(folders "")
foreach(line IN LISTS VELANTRA_FLOORS)
    string(REPLACE " " ";" names "${line}")
    foreach(name IN LISTS names)
        if(IS_DIRECTORY "${SOURCE_DIR}/${name}")
            set(floor_of_${name} ${floor})
            list(APPEND folders ${name})
        endif()
    endforeach()
    math(EXPR floor "${floor} + 1")
endforeach()
set(floor_count ${floor})

set(arrows "")
set(back_arrows "")
set(faults "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    set(includes "")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
        file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
            list(APPEND includes "${where}|${included}")
        endforeach()
    endforeach()
    if(PLANT MATCHES "^${folder}:(.+)")
        list(APPEND includes "${folder}/(planted)|${CMAKE_MATCH_1}")
    endif()
    foreach(entry IN LISTS includes)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 where)
        list(GET parts 1 included)
        string(REGEX REPLACE "/.*" "" target "${included}")
        if(target STREQUAL folder OR NOT DEFINED floor_of_${target})
            continue()
        endif()
        list(APPEND arrows "${folder} -> ${target}")
        if(NOT floor_of_${target} LESS floor_of_${folder})
            list(APPEND faults "${where} includes ${included}: ${target}/ is not below ${folder}/")
            list(APPEND back_arrows "${folder} -> ${target}")
        endif()
    endforeach()
endforeach()

list(REMOVE_DUPLICATES arrows)
list(REMOVE_DUPLICATES back_arrows)
list(LENGTH folders folder_count)
list(LENGTH arrows arrow_count)
list(LENGTH back_arrows back_count)
message(STATUS "Layers: ${folder_count} folders on ${floor_count} floors, ${arrow_count} arrows, "
               "${back_count} of them up or sideways")
if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "An include runs up or sideways between folders:\n  ${text}\n"
                        "Floors, bottom up, are in tools/layers/floors.cmake.")
endif()
