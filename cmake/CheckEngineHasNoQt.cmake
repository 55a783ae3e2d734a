# Fails when any engine source includes a Qt header.
file(GLOB_RECURSE sources
    ${SOURCE_DIR}/model/*.h ${SOURCE_DIR}/model/*.cpp
    ${SOURCE_DIR}/raster/*.h ${SOURCE_DIR}/raster/*.cpp
    ${SOURCE_DIR}/barcode/*.h ${SOURCE_DIR}/barcode/*.cpp
    ${SOURCE_DIR}/symbol/*.h ${SOURCE_DIR}/symbol/*.cpp
    ${SOURCE_DIR}/picture/*.h ${SOURCE_DIR}/picture/*.cpp
    ${SOURCE_DIR}/font/*.h ${SOURCE_DIR}/font/*.cpp
    ${SOURCE_DIR}/document/*.h ${SOURCE_DIR}/document/*.cpp
    ${SOURCE_DIR}/editor/*.h ${SOURCE_DIR}/editor/*.cpp
    ${SOURCE_DIR}/merge/*.h ${SOURCE_DIR}/merge/*.cpp
    ${SOURCE_DIR}/language/*.h ${SOURCE_DIR}/language/*.cpp)
set(offenders "")
foreach(file IN LISTS sources)
    file(STRINGS ${file} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(hits)
        list(APPEND offenders "${file}: ${hits}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Qt headers in the engine:\n${text}")
endif()
list(LENGTH sources n)
message(STATUS "${n} engine files, none includes Qt")
