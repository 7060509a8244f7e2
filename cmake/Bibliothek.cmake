# One library per source folder. Its only include root is a folder of the build tree that
# holds nothing but a link named like the source folder, so "io/Projektdatei.h" is found only
# by targets that link umbrarix_io (directly or through a library that does): an include
# across the tiers fails to compile.
function(umbrarix_wurzel name ordner)
    set(wurzel ${CMAKE_BINARY_DIR}/wurzeln/${name})
    file(MAKE_DIRECTORY ${wurzel})
    file(CREATE_LINK ${ordner} ${wurzel}/${name} SYMBOLIC)
    set(UMBRARIX_WURZEL ${wurzel} PARENT_SCOPE)
endfunction()

# umbrarix_bibliothek(NAME SOURCES a.cpp b.cpp DEPENDS umbrarix_x Qt6::Gui) in src/NAME
function(umbrarix_bibliothek name)
    cmake_parse_arguments(B "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(umbrarix_${name} STATIC ${B_SOURCES})
    umbrarix_wurzel(${name} ${CMAKE_CURRENT_SOURCE_DIR})
    target_include_directories(umbrarix_${name} PUBLIC ${UMBRARIX_WURZEL})
    target_link_libraries(umbrarix_${name} PUBLIC ${B_DEPENDS})
    umbrarix_warnungen(umbrarix_${name})
endfunction()
