# Qt's headers are most of what each file here compiles (four fifths of a
# window's source file, measured). They are parsed once, into a precompiled
# header that every target built on Qt reuses.
add_library(zfk_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(zfk_pch PRIVATE Qt6::Widgets)
target_precompile_headers(zfk_pch PRIVATE
    <QApplication> <QComboBox> <QDialog> <QDir> <QFile> <QImage> <QLabel> <QLineEdit>
    <QPainter> <QString> <QTableWidget> <QWidget> <functional> <vector>)

# True when the target links Qt's widgets, directly or through our libraries
# (those on Qt's core alone could not read the header).
function(_zfk_uses_qt target result)
    set(${result} FALSE PARENT_SCOPE)
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(NOT libs)
        return()
    endif()
    foreach(lib IN LISTS libs)
        if(lib STREQUAL "Qt6::Widgets")
            set(${result} TRUE PARENT_SCOPE)
            return()
        endif()
        if(TARGET ${lib})
            get_target_property(imported ${lib} IMPORTED)
            if(NOT imported)
                _zfk_uses_qt(${lib} uses)
                if(uses)
                    set(${result} TRUE PARENT_SCOPE)
                    return()
                endif()
            endif()
        endif()
    endforeach()
endfunction()

# Every target in dir and below that is built on Qt's widgets reuses the header.
function(zfk_reuse_qt_headers dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target STREQUAL "zfk_pch" OR NOT type MATCHES "EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY")
            continue()
        endif()
        _zfk_uses_qt(${target} uses)
        if(uses)
            target_precompile_headers(${target} REUSE_FROM zfk_pch)
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        zfk_reuse_qt_headers(${subdir})
    endforeach()
endfunction()
