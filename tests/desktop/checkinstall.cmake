# Installs the build into a scratch DESTDIR and checks that every desktop file,
# icon and help page lands where the desktop looks for it,
# and that the files name each other consistently.

set(prefix /usr)
set(root ${INSTALL_ROOT})
set(share ${root}${prefix}/${DATADIR})
set(app_id org.quillmarsh.Kelvo)
set(failures 0)

macro(fail message)
    message(SEND_ERROR "${message}")
    math(EXPR failures "${failures} + 1")
endmacro()

# Installed files must be byte copies of their sources.
macro(expect_copy source installed)
    if(NOT EXISTS "${installed}")
        fail("missing: ${installed}")
    else()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${source}" "${installed}"
                        RESULT_VARIABLE differs)
        if(differs)
            fail("${installed} differs from ${source}")
        endif()
    endif()
endmacro()

file(REMOVE_RECURSE ${root})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(res ${SOURCE_DIR}/resources)
expect_copy(${res}/linux/${app_id}.desktop ${share}/applications/${app_id}.desktop)
expect_copy(${res}/linux/${app_id}.metainfo.xml ${share}/metainfo/${app_id}.metainfo.xml)
expect_copy(${res}/linux/${app_id}.xml ${share}/mime/packages/${app_id}.xml)
expect_copy(${res}/icons/kelvo.svg ${share}/icons/hicolor/scalable/apps/${app_id}.svg)
foreach(size 16 32 48 256)
    expect_copy(${res}/icons/kelvo-${size}.png
                ${share}/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()

file(GLOB_RECURSE help_pages RELATIVE ${res}/help ${res}/help/*)
foreach(page ${help_pages})
    expect_copy(${res}/help/${page} ${share}/kelvo/help/${page})
endforeach()

if(WITH_PROGRAM)
    if(NOT EXISTS ${root}${prefix}/${BINDIR}/kelvo)
        fail("the program is not installed as ${prefix}/${BINDIR}/kelvo")
    endif()
endif()

# The desktop entry must start the installed program and name the installed
# icon; the metainfo must launch this desktop entry.
file(STRINGS ${res}/linux/${app_id}.desktop exec_line REGEX "^Exec=")
file(STRINGS ${res}/linux/${app_id}.desktop icon_line REGEX "^Icon=")
if(NOT exec_line MATCHES "^Exec=kelvo( |$)")
    fail("the desktop entry does not start kelvo: ${exec_line}")
endif()
if(NOT icon_line STREQUAL "Icon=${app_id}")
    fail("the desktop entry names another icon: ${icon_line}")
endif()
file(READ ${res}/linux/${app_id}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>")
    fail("the metainfo does not launch ${app_id}.desktop")
endif()
if(NOT metainfo MATCHES "<id>${app_id}</id>")
    fail("the metainfo does not carry the id ${app_id}")
endif()

# The compiled MIME database must know worksheets by name and by content.
if(UPDATE_MIME_DATABASE)
    execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${share}/mime RESULT_VARIABLE result)
    if(result)
        fail("update-mime-database rejected the MIME package")
    else()
        file(READ ${share}/mime/globs2 globs)
        if(NOT globs MATCHES "application/x-kelvo-worksheet:\\*\\.kvw")
            fail("worksheets are not known by their extension:\n${globs}")
        endif()
        file(READ ${share}/mime/types types)
        if(NOT types MATCHES "application/x-kelvo-worksheet")
            fail("the worksheet type is not in the database")
        endif()
    endif()
endif()

if(failures)
    message(FATAL_ERROR "${failures} installed file(s) are wrong")
endif()
message(STATUS "All desktop files are installed in place under ${root}")
