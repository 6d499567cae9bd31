# Qt's headers are most of what each file here compiles (four fifths of a
# window's source file, measured). They are parsed once, into a precompiled
# header that every target built on Qt reuses.
add_library(zfk_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(zfk_pch PRIVATE Qt6::Widgets)
target_precompile_headers(zfk_pch PRIVATE
    <QApplication> <QComboBox> <QDialog> <QDir> <QFile> <QImage> <QLabel> <QLineEdit>
    <QPainter> <QString> <QTableWidget> <QWidget> <functional> <vector>)

# The Qt Test cases add Qt Test's headers, about as much again: their own
# header, for every test built on the widgets.
if(ZFK_TESTS)
    find_package(Qt6 6.4 REQUIRED COMPONENTS Test)
    # Qt Test as the tests link it, without the per-folder QT_TESTCASE_BUILDDIR
    # and QT_TESTCASE_SOURCEDIR that Qt6::Test defines for QFINDTESTDATA
    # (which no test uses): a header precompiled with one folder's value is
    # refused by every other folder.
    add_library(zfk_qttest INTERFACE)
    target_link_libraries(zfk_qttest INTERFACE $<LINK_ONLY:Qt6::Test> Qt6::Core)
    target_include_directories(zfk_qttest SYSTEM INTERFACE $<TARGET_PROPERTY:Qt6::Test,INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_definitions(zfk_qttest INTERFACE QT_TESTLIB_LIB)

    add_library(zfk_test_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
    target_link_libraries(zfk_test_pch PRIVATE Qt6::Widgets zfk_qttest)
    target_precompile_headers(zfk_test_pch PRIVATE
        <QApplication> <QComboBox> <QDialog> <QDir> <QFile> <QImage> <QLabel> <QLineEdit>
        <QPainter> <QString> <QTableWidget> <QWidget> <functional> <vector> <QtTest>)
endif()

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

# True when the target links the tests' Qt Test.
function(_zfk_is_qt_test target result)
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(libs AND "zfk_qttest" IN_LIST libs)
        set(${result} TRUE PARENT_SCOPE)
    else()
        set(${result} FALSE PARENT_SCOPE)
    endif()
endfunction()

# Every target in dir and below that is built on Qt's widgets reuses a header:
# the tests theirs, the rest the common one.
function(zfk_reuse_qt_headers dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target MATCHES "^zfk_(test_)?pch$" OR NOT type MATCHES "EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY")
            continue()
        endif()
        _zfk_uses_qt(${target} uses)
        if(uses)
            _zfk_is_qt_test(${target} test)
            if(test)
                target_precompile_headers(${target} REUSE_FROM zfk_test_pch)
            else()
                target_precompile_headers(${target} REUSE_FROM zfk_pch)
            endif()
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        zfk_reuse_qt_headers(${subdir})
    endforeach()
endfunction()
