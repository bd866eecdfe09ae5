# Read by cpack for each package of a Windows build: the packages hold the install folder
# itself (bin/, README.txt, LICENSE.txt), not a Unix prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX "")
