# Writes the desktop entry of a program installed at a given path. Its Exec line names the
# program by its full path, since the folder Debian gives games is not on every PATH (root's
# has no /usr/games); a path holding a blank or a character the desktop entry format reserves
# is quoted and escaped as that format asks, so that the desktop still finds the program.
function(tarvo_write_desktop_entry template output program)
  set(exec "${program}")
  string(REPLACE "%" "%%" exec "${exec}")
  if(NOT exec MATCHES "^[A-Za-z0-9/._+,:@%~-]+$")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
    # The value of a key is itself an escaped string, in which a backslash is written twice.
    string(REPLACE "\\" "\\\\" exec "${exec}")
  endif()
  set(TARVO_EXEC "${exec}")
  configure_file("${template}" "${output}" @ONLY)
endfunction()
