# Run by `cmake --install`: writes the desktop entries with the installed
# programs' own path, so they start whether or not the install folder is on
# the desktop session's PATH, then tells the desktop about the new entries
# and file type. Set by the caller: oxlin_bindir, oxlin_datadir (as given to
# GNUInstallDirs), oxlin_entry_sources, oxlin_entry_build.

foreach(kind bin data)
  if(IS_ABSOLUTE "${oxlin_${kind}dir}")
    set(${kind} "${oxlin_${kind}dir}")
  else()
    set(${kind} "${CMAKE_INSTALL_PREFIX}/${oxlin_${kind}dir}")
  endif()
endforeach()

# A path with a blank or a character an Exec line would have to quote falls
# back to the program's name, found on PATH.
if(bin MATCHES "^[A-Za-z0-9/._+-]+$")
  set(exec_prefix "${bin}/")
else()
  set(exec_prefix "")
endif()

# Each install writes its entries in a folder of its own: a package can be
# built while another install runs from the same build.
string(MD5 install_id "$ENV{DESTDIR}${bin}")
set(entry_folder "${oxlin_entry_build}/entries-${install_id}")
foreach(entry oxlin-notebook oxlin-vistelo)
  file(READ "${oxlin_entry_sources}/${entry}.desktop.in" text)
  string(REPLACE "@BINDIR@" "${exec_prefix}" text "${text}")
  file(WRITE "${entry_folder}/${entry}.desktop" "${text}")
  # file(INSTALL) puts DESTDIR in front of the destination itself.
  file(INSTALL DESTINATION "${data}/applications" TYPE FILE
       FILES "${entry_folder}/${entry}.desktop")
endforeach()
file(REMOVE_RECURSE "${entry_folder}")

# A staged install (DESTDIR) leaves this to the package's own scripts.
if("$ENV{DESTDIR}" STREQUAL "")
  find_program(oxlin_update_mime update-mime-database)
  if(oxlin_update_mime)
    execute_process(COMMAND "${oxlin_update_mime}" "${data}/mime" OUTPUT_QUIET ERROR_QUIET)
  endif()
  find_program(oxlin_update_desktop update-desktop-database)
  if(oxlin_update_desktop)
    execute_process(COMMAND "${oxlin_update_desktop}" "${data}/applications"
                    OUTPUT_QUIET ERROR_QUIET)
  endif()
endif()
