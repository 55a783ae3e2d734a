# Fails when a source includes a header from a layer above its own, a second
# guard beside the build, where each floor sees only the floors below. The
# layers, lowest first: model/; raster/ and the printer languages
# (language/); barcode/, symbol/, picture/ and font/ (bars, modules, a
# picture's dots and the glyphs of the system's fonts are drawn into the
# raster), side by side; the document layer
# (rendering the whole page, Compile, the session); the editor and variable
# data (merge/), side by side; the connections (printer/, on Qt Core), which
# take the languages' bytes, and the reading of picture files (imagefile/,
# on Qt Gui), side by side; the GUI and the CLI.
set(rules
    "model|raster/ language/ barcode/ symbol/ picture/ font/ printer/ document/ editor/ merge/ app/ cli/ imagefile/"
    "raster|language/ barcode/ symbol/ picture/ font/ document/ editor/ merge/ app/ cli/ printer/ imagefile/"
    "language|raster/ barcode/ symbol/ picture/ font/ document/ editor/ merge/ app/ cli/ printer/ imagefile/"
    "barcode|symbol/ picture/ font/ document/ editor/ merge/ app/ cli/ printer/ imagefile/"
    "symbol|barcode/ picture/ font/ document/ editor/ merge/ app/ cli/ printer/ imagefile/"
    "picture|language/ barcode/ symbol/ font/ document/ editor/ merge/ app/ cli/ printer/ imagefile/"
    "font|language/ barcode/ symbol/ picture/ document/ editor/ merge/ app/ cli/ printer/ imagefile/"
    "document|editor/ merge/ app/ cli/ printer/ imagefile/"
    "editor|merge/ app/ cli/ printer/ imagefile/"
    "merge|editor/ app/ cli/ printer/ imagefile/"
    "printer|raster/ barcode/ symbol/ picture/ font/ document/ editor/ merge/ app/ cli/ imagefile/"
    "imagefile|printer/ app/ cli/"
    "cli|app/"
    "app|cli/"
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
                if(line MATCHES "\"${folder}")
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
