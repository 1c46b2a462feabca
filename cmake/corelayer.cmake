# The core's two libraries link Qt Core only, and the build keeps them so.
#
# Their sources compile with cmake/corelayer ahead of Qt's include folders. It
# holds stand-ins for the global headers of Qt GUI and Qt Widgets, which every
# header of those modules (and of the modules built on them) includes first,
# so a widget or GUI include in src/core stops the build with the stand-in's
# #error, however it is spelled (<QWidget>, <QtWidgets/QWidget>, a ui/ header).
function(kelvo_core_layer target)
    target_include_directories(${target} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/corelayer)
    target_link_libraries(${target} PUBLIC Qt6::Core)
endfunction()
