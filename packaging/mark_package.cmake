# Run by CPack once the install is staged: leaves the marker that tells the
# programs a package installed them, so they leave updates to the package
# manager.
file(GLOB_RECURSE oxlin_staged_help "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/OxlinHelp.xzz")
if(NOT oxlin_staged_help)
  message(FATAL_ERROR "the staged install holds no help notebook")
endif()
list(GET oxlin_staged_help 0 oxlin_help)
get_filename_component(oxlin_share "${oxlin_help}" DIRECTORY)
file(WRITE "${oxlin_share}/installed-by-package" "Debian package\n")
