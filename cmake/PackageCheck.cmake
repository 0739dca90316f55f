# Read by cpack: a package names a maintainer who can be written to.
if(NOT CPACK_PACKAGE_CONTACT MATCHES "<[^ <>]+@[^ <>]+>")
  message(FATAL_ERROR "no maintainer address: configure with -DROADTALLY_MAINTAINER_EMAIL=ADDRESS "
                      "(or set DEBEMAIL)")
endif()
