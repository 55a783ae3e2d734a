# Fails when a source includes a header from a layer above its own. The
# layers, lowest first: model/; raster/ and printer/engine/; barcode/ (bars
# are drawn into the raster); the document layer (rendering the whole page,
# Compile, the session); the editor and variable data (merge/), side by
# side; the GUI, the printer layer and the CLI.
set(rules
    "model|raster/ barcode/ printer/ document/ editor/ merge/ app/ cli/"
    "raster|barcode/ document/ editor/ merge/ app/ cli/ printer/"
    "barcode|document/ editor/ merge/ app/ cli/ printer/"
    "printer/engine|raster/ barcode/ document/ editor/ merge/ app/ cli/"
    "document|editor/ merge/ app/ cli/"
    "editor|merge/ app/ cli/ printer/"
    "merge|editor/ app/ cli/ printer/"
)
set(offenders "")
set(checked 0)
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(GET parts 0 layer)
    list(GET parts 1 above)
    string(REPLACE " " ";" above "${above}")
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(file IN LISTS sources)
        math(EXPR checked "${checked} + 1")
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            foreach(folder IN LISTS above)
                # printer/engine/ is part of the engine, below the document layer.
                if(line MATCHES "\"${folder}" AND NOT
                   (folder STREQUAL "printer/" AND line MATCHES "\"printer/engine/" AND
                    NOT layer MATCHES "^(model|raster|barcode)$"))
                    list(APPEND offenders "${file}: ${line}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(offenders)
    list(REMOVE_DUPLICATES offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Includes from a layer above:\n${text}")
endif()
message(STATUS "${checked} engine files, each includes only its own layer and those below")
