# Swiss Ephemeris (Debian: libswe-dev), found through pkg-config as the target PkgConfig::SWE.
# A find module of its own lets a build hide it like any other package
# (-DCMAKE_DISABLE_FIND_PACKAGE_SwissEphemeris=ON).
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
    pkg_check_modules(SWE QUIET IMPORTED_TARGET swe)
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SwissEphemeris
    REQUIRED_VARS SWE_LINK_LIBRARIES
    VERSION_VAR SWE_VERSION)
