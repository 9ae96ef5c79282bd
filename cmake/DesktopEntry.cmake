# Run by cmake --install: writes the desktop entry with the launcher's full path under the
# prefix being installed to, quoted as the Exec key wants it (a prefix may hold blanks).
set(exec "${CMAKE_INSTALL_PREFIX}/bin/loamix")
# Inside the quotes ", `, $ and \ take a backslash; the key's own escaping then doubles every
# backslash, and a field code's % is written twice.
string(REGEX REPLACE "([\"`$]|\\\\)" "\\\\\\1" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(LOAMIX_EXEC "\"${exec}\"")
# Written straight into the prefix: two installs from one build never share a file.
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/${LOAMIX_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file(${LOAMIX_DESKTOP_TEMPLATE} ${entry} @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${entry})
